// Edge cases of the layout file grammar: positions counted in characters, the Rect= field
// placement, what counts as blank, comment or unrecognised, and the exact failure texts.
#include "layout/layout_file_format.h"
#include "layout/layout_file_io.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wyndrel::layout {
namespace {

const std::string Header = "[QuillonLayoutFile]\r\n";
const std::string SelStartPoint = "LoadLayout-SelStart取得ポイント";
const std::string RectPoint = "LoadLayout-WindowRect取得ポイント";

TLayout Entry(std::string fileName, std::int32_t selStart, std::int32_t left, std::int32_t top,
              std::int32_t width, std::int32_t height) {
    return {std::move(fileName), selStart, left, top, width, height, WindowId{}};
}

void ExpectSameEntry(const TLayout& actual, const TLayout& expected) {
    EXPECT_EQ(actual.FileName, expected.FileName);
    EXPECT_EQ(actual.SelStart, expected.SelStart);
    EXPECT_EQ(actual.Left, expected.Left);
    EXPECT_EQ(actual.Top, expected.Top);
    EXPECT_EQ(actual.Width, expected.Width);
    EXPECT_EQ(actual.Height, expected.Height);
}

void ExpectUnrecognised(const TLayoutFileContent& content, int line) {
    ASSERT_TRUE(content.Error);
    EXPECT_EQ(content.Error->Kind, TLayoutLineFailure::UnrecognisedLine);
    EXPECT_EQ(content.Error->LineNumber, line);
}

void ExpectConversionError(const TLayoutFileContent& content, int line, const std::string& point,
                           const std::string& value) {
    ASSERT_TRUE(content.Error);
    EXPECT_EQ(content.Error->Kind, TLayoutLineFailure::ConversionError);
    EXPECT_EQ(content.Error->LineNumber, line);
    EXPECT_EQ(content.Error->PointLabel, point);
    EXPECT_EQ(content.Error->TypeName, "EConvertError");
    EXPECT_EQ(content.Error->Message, "'" + value + "' is not a valid integer value");
}

std::int32_t CaretOf(const std::string& value) {
    TLayoutFileContent content = ReadLayoutText(Header + "File=a\r\nCurs=" + value + "\r\n");
    EXPECT_FALSE(content.Error) << value;
    return content.Entries.empty() ? -1 : content.Entries[0].SelStart;
}

TEST(LayoutWriterEdgeCases, WritesTheHeaderAloneForNoEntriesAndLeavesTheWindowOut) {
    EXPECT_EQ(WriteLayoutText({}), "[QuillonLayoutFile]\r\n");
    TLayout entry = Entry("x", 1, 2, 3, 4, 5);
    entry.Wnd = WindowId{0x1234};
    EXPECT_EQ(WriteLayoutText({entry}),
              "[QuillonLayoutFile]\r\nFile=x\r\nCurs=1\r\nRect=2,3,4,5\r\n");
}

TEST(LayoutHeaderEdgeCases, NeitherTrimsNorIgnoresCaseNorReadsTheHeaderAsAnEntry) {
    EXPECT_EQ(ReadLayoutText("[QuillonLayoutFile] \r\n").Header, THeaderKind::Unknown);
    EXPECT_EQ(ReadLayoutText("[QuillonDeskTopFile]\r\n").Header, THeaderKind::Unknown);
    EXPECT_EQ(ReadLayoutText("quillondesktopfile\r\n").Header, THeaderKind::Unknown);
    TLayoutFileContent content = ReadLayoutText("File=C:\\a.txt\r\nFile=C:\\b.txt\r\n");
    ASSERT_EQ(content.Entries.size(), 1u);
    EXPECT_EQ(content.Entries[0].FileName, "C:\\b.txt");
}

TEST(LayoutHeaderEdgeCases, AnEmptyFileHasAnUnknownHeaderAndNothingElse) {
    TLayoutFileContent content = ReadLayoutText("");
    EXPECT_EQ(content.Header, THeaderKind::Unknown);
    EXPECT_TRUE(content.Entries.empty());
    EXPECT_FALSE(content.Error);
}

TEST(LayoutLineEdgeCases, LfOnlyFilesReadLikeCrLfFiles) {
    TLayoutFileContent content =
        ReadLayoutText("[QuillonLayoutFile]\nFile=C:\\a.txt\nCurs=3\nRect=1,2,3,4\n");
    EXPECT_EQ(content.Header, THeaderKind::Current);
    ASSERT_EQ(content.Entries.size(), 1u);
    ExpectSameEntry(content.Entries[0], Entry("C:\\a.txt", 3, 1, 2, 3, 4));
}

TEST(LayoutLineEdgeCases, AFinalLineBreakStartsNoFurtherLine) {
    TLayoutFileContent content = ReadLayoutText(Header + "\r\n");
    EXPECT_EQ(content.SkippedLines, (std::vector<int>{2}));
}

TEST(LayoutEntryEdgeCases, AFileLineWithNothingAfterItYieldsAnEmptyFileName) {
    TLayoutFileContent content = ReadLayoutText(Header + "File=\r\n");
    ASSERT_EQ(content.Entries.size(), 1u);
    ExpectSameEntry(content.Entries[0], Entry("", 0, 0, 0, 200, 400));
}

TEST(LayoutEntryEdgeCases, KeepsTrailingBlanksOfTheFileName) {
    TLayoutFileContent content = ReadLayoutText(Header + "File=C:\\a.txt  \r\n");
    ASSERT_EQ(content.Entries.size(), 1u);
    EXPECT_EQ(content.Entries[0].FileName, "C:\\a.txt  ");
}

TEST(LayoutEntryEdgeCases, CaretAndRectangleApplyToTheLatestEntryAndTheLastCaretWins) {
    TLayoutFileContent content =
        ReadLayoutText(Header + "File=a\r\nFile=b\r\nCurs=7\r\nRect=1,2,3,4\r\nCurs=9\r\n");
    ASSERT_EQ(content.Entries.size(), 2u);
    ExpectSameEntry(content.Entries[0], Entry("a", 0, 0, 0, 200, 400));
    ExpectSameEntry(content.Entries[1], Entry("b", 9, 1, 2, 3, 4));
}

TEST(LayoutEntryEdgeCases, ReadsHexadecimalAndSignedCarets) {
    EXPECT_EQ(CaretOf("$1F"), 31);
    EXPECT_EQ(CaretOf("0x1f"), 31);
    EXPECT_EQ(CaretOf("X10"), 16);
    EXPECT_EQ(CaretOf("+8"), 8);
    EXPECT_EQ(CaretOf("-3"), -3);
    EXPECT_EQ(CaretOf("   2147483647"), 2147483647);
}

TEST(LayoutEntryEdgeCases, ReadsPlainDecimalsAsTheGeneralConversionDoes) {
    EXPECT_EQ(CaretOf("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(CaretOf("0000000000042"), 42);
    EXPECT_EQ(CaretOf("-0"), 0);
    ExpectConversionError(ReadLayoutText(Header + "File=a\r\nCurs=-\r\n"), 3, SelStartPoint, "-");
    ExpectConversionError(ReadLayoutText(Header + "File=a\r\nCurs=9999999999\r\n"), 3,
                          SelStartPoint, "9999999999");
    ExpectConversionError(ReadLayoutText(Header + "File=a\r\nCurs=1-2\r\n"), 3, SelStartPoint,
                          "1-2");
}

TEST(LayoutEntryEdgeCases, CountsCharactersNotBytesInTheCaretValue) {
    std::string kanji;
    for (int i = 0; i < 600; ++i) kanji += "日";
    TLayoutFileContent content = ReadLayoutText(Header + "File=a\r\nCurs=" + kanji + "\r\n");
    ExpectConversionError(content, 3, SelStartPoint,
                          kanji.substr(0, 512 * std::string("日").size()));
}

TEST(LayoutRectEdgeCases, TakesTheRectangleFromCharacters6To260Only) {
    // Blanks before a number are skipped, so the height's field may be padded up to the limit.
    std::string prefix = "1,2,3,";
    std::string padding(255 - prefix.size() - 1, ' ');
    TLayoutFileContent content =
        ReadLayoutText(Header + "File=a\r\nRect=" + prefix + padding + "9" + "0,junk\r\n");
    ASSERT_FALSE(content.Error);
    ExpectSameEntry(content.Entries[0], Entry("a", 0, 1, 2, 3, 9));
}

TEST(LayoutRectEdgeCases, ReadsAHexadecimalFieldAsLongAsItsDecimalForm) {
    TLayoutFileContent content = ReadLayoutText(Header + "File=a\r\nRect=$A,20,30,x40\r\n");
    ASSERT_FALSE(content.Error);
    ExpectSameEntry(content.Entries[0], Entry("a", 0, 10, 20, 30, 64));
}

TEST(LayoutRectEdgeCases, AFieldLongerThanItsDecimalFormPutsTheNextOnTheComma) {
    ExpectConversionError(ReadLayoutText(Header + "File=a\r\nRect=$10,20,30,40\r\n"), 3, RectPoint,
                          "");
    ExpectConversionError(ReadLayoutText(Header + "File=a\r\nRect=+5,6,7,8\r\n"), 3, RectPoint, "");
}

TEST(LayoutRectEdgeCases, CountsCharactersWhenADecimalFormIsLongerThanItsField) {
    // "$7FFFFFFF" (9 characters) is 2147483647 (10): the next field starts one character past
    // the comma, which skips the whole Japanese character, not one of its bytes.
    TLayoutFileContent content = ReadLayoutText(Header + "File=a\r\nRect=$7FFFFFFF,日20,30,40\r\n");
    ASSERT_FALSE(content.Error);
    ExpectSameEntry(content.Entries[0], Entry("a", 0, 2147483647, 20, 30, 40));
}

TEST(LayoutRectEdgeCases, FailsWithoutCommasWithTooFewFieldsOrATrailingBlank) {
    ExpectConversionError(ReadLayoutText(Header + "File=a\r\nRect=100\r\n"), 3, RectPoint, "");
    ExpectConversionError(ReadLayoutText(Header + "File=a\r\nRect=1,2,3\r\n"), 3, RectPoint, "");
    ExpectConversionError(ReadLayoutText(Header + "File=a\r\nRect=1,2,3,4 \r\n"), 3, RectPoint,
                          "4 ");
    ExpectConversionError(ReadLayoutText(Header + "File=a\r\nRect=abc,def,g,h\r\n"), 3, RectPoint,
                          "abc");
}

TEST(LayoutBlankLineEdgeCases, FiveBlanksOrControlCharactersMakeABlankLineWhateverFollows) {
    TLayoutFileContent content = ReadLayoutText(
        Header + "   \r\n     File=C:\\x.txt\r\n\t\t\t\t\tgarbage\r\n     #\r\nFile=a\r\n");
    ASSERT_FALSE(content.Error);
    ASSERT_EQ(content.Entries.size(), 1u);
    EXPECT_EQ(content.Entries[0].FileName, "a");
    EXPECT_EQ(content.SkippedLines, (std::vector<int>{2, 3, 4, 5}));
}

TEST(LayoutBlankLineEdgeCases, CommentsMayFollowAnEntryAndHideAnyKey) {
    TLayoutFileContent content =
        ReadLayoutText(Header + "File=a\r\n  # Rect=junk\r\n    ;Curs=x\r\n");
    ASSERT_FALSE(content.Error);
    ExpectSameEntry(content.Entries[0], Entry("a", 0, 0, 0, 200, 400));
    EXPECT_EQ(content.SkippedLines, (std::vector<int>{3, 4}));
}

TEST(LayoutUnrecognisedLineEdgeCases, CaretOrRectangleBeforeTheFirstFileLine) {
    ExpectUnrecognised(ReadLayoutText(Header + "# lead\r\nCurs=1\r\nFile=a\r\n"), 3);
    ExpectUnrecognised(ReadLayoutText(Header + "Rect=1,2,3,4\r\n"), 2);
}

TEST(LayoutUnrecognisedLineEdgeCases, KeysWithoutTheirEqualsSignOrAfterABlank) {
    ExpectUnrecognised(ReadLayoutText(Header + "File:a\r\n"), 2);
    ExpectUnrecognised(ReadLayoutText(Header + "File\r\n"), 2);
    ExpectUnrecognised(ReadLayoutText(Header + " Curs=1\r\n"), 2);
    ExpectUnrecognised(ReadLayoutText(Header + "ｆｉｌｅ=a\r\n"), 2);
}

TEST(LayoutUnrecognisedLineEdgeCases, APlainTextFileFailsAtItsFirstLineThatIsNoEntryKey) {
    TLayoutFileContent content =
        ReadLayoutText("Dear diary,\r\n\r\nToday I wrote a letter.\r\nFile=a\r\n");
    EXPECT_EQ(content.Header, THeaderKind::Unknown);
    ExpectUnrecognised(content, 3);
    EXPECT_TRUE(content.Entries.empty());
}

TEST(LayoutConversionEdgeCases, AnEmptyOrOutOfRangeCaretFails) {
    ExpectConversionError(ReadLayoutText(Header + "File=a\r\nCurs=\r\n"), 3, SelStartPoint, "");
    ExpectConversionError(ReadLayoutText(Header + "File=a\r\nCurs=2147483648\r\n"), 3,
                          SelStartPoint, "2147483648");
    ExpectConversionError(ReadLayoutText(Header + "File=a\r\nCurs=-2147483649\r\n"), 3,
                          SelStartPoint, "-2147483649");
}

TEST(LayoutFailureTexts, NameTheLineOfAnUnrecognisedLine) {
    TLayoutFileContent content =
        ReadLayoutText(Header + "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nabc\r\n");
    ASSERT_TRUE(content.Error);
    EXPECT_EQ(LayoutFileErrorText(*content.Error),
              "コメント以外で認識不能な行です。\r\nエラー行数：12");
}

TEST(LayoutFailureTexts, GiveTypeLinePointAndMessageOfAConversionError) {
    TLayoutFileContent caret = ReadLayoutText(Header + "File=a\r\nCurs=abc\r\n");
    ASSERT_TRUE(caret.Error);
    EXPECT_EQ(LayoutFileErrorText(*caret.Error),
              "EConvertError クラスのエラーが発生しました。\r\n 行数: 3 "
              "\r\n発生ポイント：LoadLayout-SelStart取得ポイント"
              "\r\nメッセージ：'abc' is not a valid integer value");
    TLayoutFileContent rect = ReadLayoutText(Header + "File=a\r\nCurs=1\r\nRect= 1,2,3,4\r\n");
    ASSERT_TRUE(rect.Error);
    EXPECT_EQ(LayoutFileErrorText(*rect.Error),
              "EConvertError クラスのエラーが発生しました。\r\n 行数: 4 "
              "\r\n発生ポイント：LoadLayout-WindowRect取得ポイント"
              "\r\nメッセージ：'' is not a valid integer value");
}

TEST(LayoutFailureTexts, GiveTypeMessageAndCodeOfAReadError) {
    EXPECT_EQ(LayoutReadErrorText({"EInOutError", "File not found", 2}),
              "ファイル読込中にEInOutErrorクラスのエラーが発生しました\r\nメッセージ：File not "
              "found\r\nIOResult: 2");
}

TEST(LayoutRoundTrip, GivesBackExtremeNumbersAndOddPaths) {
    std::vector<TLayout> entries{
        Entry("D:\\trailing blanks  ", 2147483647, -2147483647 - 1, -4, 1032, 768),
        Entry("", 5, -32000, -32000, 160, 28),
        Entry("\\\\server\\share\\x;y#z,1.ini", 12, 1, 2, 3, 4),
        Entry("  leading blanks", 0, 0, 0, 0, 0),
    };
    TLayoutFileContent content = ReadLayoutText(WriteLayoutText(entries));
    EXPECT_EQ(content.Header, THeaderKind::Current);
    ASSERT_FALSE(content.Error);
    ASSERT_EQ(content.Entries.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) ExpectSameEntry(content.Entries[i], entries[i]);
}

TEST(LayoutRoundTrip, GivesBackJapanesePaths) {
    std::vector<TLayout> entries{
        Entry("C:\\ドキュメント\\表示.txt", 123, 10, 20, 640, 480),
        Entry("D:\\日本語フォルダ\\ソース\\予定表.pas", 9, -8, -8, 1936, 1056),
        Entry("E:\\ａｂｃ\\能力 ソ.ini", 0, 0, 0, 1, 1),
    };
    TLayoutFileContent content = ReadLayoutText(WriteLayoutText(entries));
    ASSERT_FALSE(content.Error);
    ASSERT_EQ(content.Entries.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) ExpectSameEntry(content.Entries[i], entries[i]);
}

}  // namespace
}  // namespace wyndrel::layout
