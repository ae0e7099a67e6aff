// The helps of the sheet "保存時": the hint memo's lines and the insert menu's entries.
#include "dialogs/file_name_hints.h"
#include "dialogs/option_sheet_ids.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace wyndrel::dialogs {
namespace {

constexpr std::size_t HeaderLines = 8;
constexpr std::size_t TableLines = 35;

TEST(DefinitionHints, HoldTheHeaderAndTableTwiceAroundFourRemarks) {
    const std::vector<std::string> lines = DefinitionHintLines();
    const std::size_t copy = HeaderLines + TableLines;
    ASSERT_EQ(lines.size(), copy + 1 + 4 + copy);
    EXPECT_TRUE(std::equal(lines.begin(), lines.begin() + copy, lines.begin() + copy + 5));
    EXPECT_EQ(lines[0], "定義(形式指定子)のヒント：");
    EXPECT_EQ(lines[3], "　'xx' / \"xx\"\t単引用符または二重引用符で囲まれた文字");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "aaa   \t曜日を日本語の省略形（日～土）で表示する");
    EXPECT_EQ(lines[33],
              "am/pm \t先行する h か hh に 12 時間形式を使い，正午以前は am を，正午以降は pm "
              "を表示する。"
              "大・小文字は指定のまま表示");
    EXPECT_EQ(lines[40], "dddddd\th:mm:ss 形式で時刻を表示する");
    EXPECT_EQ(lines[42], "c     \tyyyy/mm/dd h:mm:ss 形式で表示する");
    EXPECT_EQ(lines[copy], "");
    for (std::size_t i = copy + 1; i < copy + 5; ++i) EXPECT_FALSE(lines[i].empty());
    // Every table line: a specifier padded to six characters, a tab, a description.
    for (std::size_t i = HeaderLines; i < copy; ++i) EXPECT_EQ(lines[i].find('\t'), 6u) << lines[i];

    const std::string text = DefinitionHintText();
    EXPECT_EQ(text.substr(0, text.find("\r\n")), lines[0]);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(lines.size() - 1));
}

TEST(InsertMenu, HasTwentyNineEntriesASeparatorAndASecondColumnFromMI16) {
    const ui::TMenuModel menu = InsertMenu();
    ASSERT_EQ(menu.Items.size(), 30u);
    EXPECT_TRUE(menu.Items[24].Separator);
    EXPECT_EQ(menu.Items[24].Name, "N100");
    EXPECT_EQ(menu.Items[25].Name, "m24");
    EXPECT_EQ(menu.Items[25].Caption, "dddddd(yyyy\"年\"mm\"月\"dd\"日)");
    for (const ui::TMenuItem& item : menu.Items)
        EXPECT_EQ(item.ColumnBreak, item.Name == "mI16") << item.Name;
    EXPECT_EQ(menu.Items.front().Caption, "yyyy(西暦 4ケタ)");
    EXPECT_EQ(menu.Items.back().Name, "mI28");
}

TEST(InsertMenu, EachEntryInsertsItsCaptionUpToTheFirstParenthesis) {
    std::vector<std::string> inserted;
    for (const ui::TMenuItem& item : InsertMenu().Items) {
        if (item.Separator) continue;
        inserted.push_back(InsertedText(item.Id).value());
        EXPECT_EQ(inserted.back(), CaptionBeforeParenthesis(item.Caption));
    }
    EXPECT_EQ(inserted,
              (std::vector<std::string>{
                  "yyyy", "yy",   "m",     "mm",   "mmm",    "mmmm", "d",     "dd", "ddd", "dddd",
                  "aaa",  "aaaa", "e",     "ee",   "g",      "gg",   "h",     "hh", "n",   "nn",
                  "s",    "ss",   "AM/PM", "ampm", "dddddd", "c",    "ddddd", "t",  "tt"}));
    EXPECT_EQ(InsertedText(option_ids::InsertMenuFirstItem - 1), std::nullopt);
    EXPECT_EQ(InsertedText(option_ids::InsertMenuFirstItem + option_ids::InsertMenuItemCount),
              std::nullopt);
    EXPECT_EQ(CaptionBeforeParenthesis("no parenthesis"), "no parenthesis");
}

}  // namespace
}  // namespace wyndrel::dialogs
