// The definition hints and the insert menu. The memo's claims describe what the formatter
// gives; the table's specifiers stand in a six-character column so the descriptions line up.
#include "dialogs/file_name_hints.h"

#include "dialogs/option_sheet_ids.h"

#include <array>

namespace wyndrel::dialogs {
namespace {

struct THintRow {
    std::string_view Specifier;
    std::string_view Description;
};

constexpr std::array<std::string_view, 8> HintHeader{
    "定義(形式指定子)のヒント：",
    "　ファイル名に使用できない文字の大半は全角に自動的に変換されます。",
    "",
    "　'xx' / \"xx\"\t単引用符または二重引用符で囲まれた文字",
    "はそのまま表示され，形式には影響を与えません",
    "　形式指定子には大文字でも小文字でも使えます。どちらを使",
    "っても同じ結果になります。",
    "",
};

constexpr std::array<THintRow, 35> HintTable{{
    {"aaa", "曜日を日本語の省略形（日～土）で表示する"},
    {"aaaa", "曜日を日本語（日曜日～土曜日）で表示する"},
    {"d", "日付を先頭のゼロなしで表示する（1 から 31 まで）"},
    {"dd", "日付を先頭のゼロも含めて表示する（01 から 31 まで）"},
    {"ddd", "曜日を英語の省略形（Sun～Sat）で表示する"},
    {"dddd", "曜日を英語の完全形（Sunday～Saturday）で表示する"},
    {"e", "元号に基づく和暦の年を 0 を付けずに表示する（1995 年ならば 7）"},
    {"ee", "元号に基づく和暦の年を 2 桁で表示する（1995 年ならば 07）"},
    {"g", "元号の先頭 1 文字を表示する（明，大，昭，平）"},
    {"gg", "元号を表示する（明治，大正，昭和，平成）"},
    {"ggg", "元号を表示する（明治，大正，昭和，平成）"},
    {"m", "先頭にゼロのない数字（1～12）として月を表示する。h か hh の直後に m があると分になる"},
    {"mm",
     "先頭にゼロのある数字（01～12）として月を表示する。h か hh の直後に mm があると分になる"},
    {"mmm", "月を省略形（1～12）で表示する"},
    {"mmmm", "月を完全形（1月～12月）で表示する"},
    {"yy", "年を 2 桁の数字（00～99）で表示する"},
    {"yyyy", "年を 4 桁の数字（0000～9999）で表示する"},
    {"h", "先頭にゼロのない数字（0～23）として時を表示する"},
    {"hh", "先頭にゼロのある数字（00～23）として時を表示する"},
    {"n", "先頭にゼロのない数字（0～59）として分を表示する"},
    {"nn", "先頭にゼロのある数字（00～59）として分を表示する"},
    {"s", "先頭にゼロのない数字（0～59）として秒を表示する"},
    {"ss", "先頭にゼロのある数字（00～59）として秒を表示する"},
    {"z", "先頭にゼロのない数字（0-999）としてミリ秒を表示する"},
    {"zz", "先頭にゼロのある数字（000-999）としてミリ秒を表示する"},
    {"am/pm",
     "先行する h か hh に 12 時間形式を使い，正午以前は am を，正午以降は pm "
     "を表示する。大・小文字は指定のまま表示"},
    {"a/p",
     "先行する h か hh に 12 時間形式を使い，正午以前は a を，正午以降は p "
     "を表示する。大・小文字は指定のまま表示"},
    {"ampm",
     "先行する h か hh に 12 時間形式を使い，正午以前は 午前 を，正午以降は 午後 を表示する"},
    {"/", "日付区切り文字( / )を表示する"},
    {":", "時刻区切り文字( : )を表示する"},
    {"t", "h:mm 形式で時刻を表示する"},
    {"tt", "h:mm:ss 形式で時刻を表示する"},
    {"dddddd", "h:mm:ss 形式で時刻を表示する"},
    {"ddddd", "yyyy/MM/dd 形式で日付を表示する"},
    {"c", "yyyy/mm/dd h:mm:ss 形式で表示する"},
}};

constexpr std::array<std::string_view, 4> ClosingRemarks{
    "※ 引用符で囲まない英字は形式指定子として読まれることがあります。",
    "※ ピリオドと拡張子 .qdl は自動的に付きます。",
    "※ aaa と aaaa は日本語で、ddd と dddd は英語で曜日を表示します。",
    "※ 実際のファイル名はプレビューで確かめられます。",
};

constexpr std::size_t SpecifierColumn = 6;

void AppendHeaderAndTable(std::vector<std::string>& lines) {
    lines.insert(lines.end(), HintHeader.begin(), HintHeader.end());
    for (const THintRow& row : HintTable) {
        std::string line(row.Specifier);
        if (line.size() < SpecifierColumn) line.append(SpecifierColumn - line.size(), ' ');
        line += '\t';
        line += row.Description;
        lines.push_back(std::move(line));
    }
}

struct TInsertEntry {
    std::string_view Name;
    std::string_view Caption;
};

constexpr std::array<TInsertEntry, option_ids::InsertMenuItemCount> InsertEntries{{
    {"mI00", "yyyy(西暦 4ケタ)"},
    {"mI01", "yy(西暦 2ケタ)"},
    {"mI02", "m(月 1ケタ)"},
    {"mI03", "mm(月 2ケタ)"},
    {"mI04", "mmm(月 英語省略形)"},
    {"mI05", "mmmm(月 英語完全形)"},
    {"mI06", "d(日 1ケタ)"},
    {"mI07", "dd(日 2ケタ)"},
    {"mI08", "ddd(曜日 英語省略形)"},
    {"mI09", "dddd(曜日 英語完全形)"},
    {"mI10", "aaa(曜日 日本語省略形)"},
    {"mI11", "aaaa(曜日 日本語完全形)"},
    {"mI12", "e(和暦年 1ケタ)"},
    {"mI13", "ee(和暦年 2ケタ)"},
    {"mI14", "g(元号頭1文字)"},
    {"mI15", "gg(元号)"},
    {"mI16", "h(時 1ケタ)"},
    {"mI17", "hh(時 2ケタ)"},
    {"mI18", "n(分 1ケタ)"},
    {"mI19", "nn(分 2ケタ)"},
    {"mI20", "s(秒 1ケタ)"},
    {"mI21", "ss(秒 2ケタ)"},
    {"mI22", "AM/PM(AM / PM)"},
    {"mI23", "ampm(午前/午後)"},
    {"m24", "dddddd(yyyy\"年\"mm\"月\"dd\"日)"},
    {"mI25", "c(yyyy/mm/dd h:mm:ss)"},
    {"mI26", "ddddd(yyyy/mm/dd)"},
    {"mI27", "t(h:mm)"},
    {"mI28", "tt(h:mm:ss)"},
}};

constexpr std::string_view SecondColumnStart = "mI16";
constexpr std::string_view SeparatorBefore = "m24";

}  // namespace

std::vector<std::string> DefinitionHintLines() {
    std::vector<std::string> lines;
    AppendHeaderAndTable(lines);
    lines.emplace_back();
    lines.insert(lines.end(), ClosingRemarks.begin(), ClosingRemarks.end());
    // The dialog appends the header and the table once more when it is created.
    AppendHeaderAndTable(lines);
    return lines;
}

std::string DefinitionHintText() {
    const std::vector<std::string> lines = DefinitionHintLines();
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    return text;
}

ui::TMenuModel InsertMenu() {
    ui::TMenuModel menu;
    for (std::size_t i = 0; i < InsertEntries.size(); ++i) {
        const TInsertEntry& entry = InsertEntries[i];
        if (entry.Name == SeparatorBefore) menu.Items.push_back(ui::TMenuItem::Line("N100"));
        ui::TMenuItem item =
            ui::TMenuItem::Command(option_ids::InsertMenuFirstItem + static_cast<int>(i),
                                   std::string(entry.Name), std::string(entry.Caption));
        item.ColumnBreak = entry.Name == SecondColumnStart;
        menu.Items.push_back(std::move(item));
    }
    return menu;
}

std::optional<std::string> InsertedText(int menuId) {
    const int index = menuId - option_ids::InsertMenuFirstItem;
    if (index < 0 || index >= option_ids::InsertMenuItemCount) return std::nullopt;
    return CaptionBeforeParenthesis(InsertEntries[static_cast<std::size_t>(index)].Caption);
}

std::string CaptionBeforeParenthesis(std::string_view caption) {
    return std::string(caption.substr(0, caption.find('(')));
}

}  // namespace wyndrel::dialogs
