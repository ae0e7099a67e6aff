// Writing and reading layout files by their grammar.
#include "layout/layout_file_format.h"

#include <gtest/gtest.h>

namespace wyndrel::layout {
namespace {

TLayoutFileContent Read(const std::string& body, const std::string& header = LayoutFileHeader) {
    return ReadLayoutText(header + "\r\n" + body);
}

void ExpectRect(const TLayout& entry, int left, int top, int width, int height) {
    EXPECT_EQ(entry.Left, left);
    EXPECT_EQ(entry.Top, top);
    EXPECT_EQ(entry.Width, width);
    EXPECT_EQ(entry.Height, height);
}

TEST(LayoutFileWriting, WritesTheHeaderAndThreeLinesPerWindowWithCrLf) {
    std::vector<TLayout> entries = {{"C:\\a.txt", 12, -4, -4, 1032, 768, {}},
                                    {"D:\\b c.txt", 0, 0, 0, 200, 400, {}}};
    EXPECT_EQ(WriteLayoutText(entries),
              "[QuillonLayoutFile]\r\nFile=C:\\a.txt\r\nCurs=12\r\nRect=-4,-4,1032,768\r\n"
              "File=D:\\b c.txt\r\nCurs=0\r\nRect=0,0,200,400\r\n");
    EXPECT_EQ(WriteLayoutText({}), "[QuillonLayoutFile]\r\n");
}

TEST(LayoutFileWriting, RoundTripsEveryPathCaretAndRectangle) {
    std::vector<TLayout> entries = {
        {"C:\\資料\\議事録 ２０２６.txt  ", 2147483647, -2147483647 - 1, 5, 0, -1, {}},
        {"", 3, 1, 2, 3, 4, {}},
        {"\\\\server\\share\\x.c", 0, 100, 200, 300, 400, {}}};
    TLayoutFileContent read = ReadLayoutText(WriteLayoutText(entries));
    ASSERT_FALSE(read.Error);
    EXPECT_EQ(read.Header, THeaderKind::Current);
    ASSERT_EQ(read.Entries.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(read.Entries[i].FileName, entries[i].FileName);
        EXPECT_EQ(read.Entries[i].SelStart, entries[i].SelStart);
        ExpectRect(read.Entries[i], entries[i].Left, entries[i].Top, entries[i].Width,
                   entries[i].Height);
    }
}

TEST(LayoutFileHeader, IsComparedExactlyWithBothGenerations) {
    EXPECT_EQ(ReadLayoutText("[QuillonLayoutFile]").Header, THeaderKind::Current);
    EXPECT_EQ(ReadLayoutText("QuillonDeskTopFile\r\n").Header, THeaderKind::OldGeneration);
    EXPECT_EQ(ReadLayoutText("[quillonlayoutfile]\r\n").Header, THeaderKind::Unknown);
    EXPECT_EQ(ReadLayoutText(" [QuillonLayoutFile]\r\n").Header, THeaderKind::Unknown);
    EXPECT_EQ(ReadLayoutText("").Header, THeaderKind::Unknown);
    TLayoutFileContent headerOnly = ReadLayoutText("[QuillonLayoutFile]\r\n");
    EXPECT_TRUE(headerOnly.Entries.empty());
    EXPECT_FALSE(headerOnly.Error);
}

TEST(LayoutFileLines, SkipsBlankAndCommentLinesAndReportsWhereTheyWere) {
    TLayoutFileContent read =
        Read("\r\n     \r\n    # note\r\n;x\r\n     File=C:\\ignored\r\nFile=C:\\a.txt\r\n");
    ASSERT_FALSE(read.Error);
    EXPECT_EQ(read.SkippedLines, (std::vector<int>{2, 3, 4, 5, 6}));
    ASSERT_EQ(read.Entries.size(), 1u);
    EXPECT_EQ(read.Entries[0].FileName, "C:\\a.txt");
}

TEST(LayoutFileLines, RefusesUnknownLinesWithTheirLineNumber) {
    for (const char* body : {"abc\r\n", " File=C:\\a.txt\r\n", "Curs=5\r\n", "Rect=1,2,3,4\r\n",
                             "     #\r\nFiles=x\r\n"}) {
        TLayoutFileContent read = Read(body);
        ASSERT_TRUE(read.Error) << body;
        EXPECT_EQ(read.Error->Kind, TLayoutLineFailure::UnrecognisedLine) << body;
    }
    EXPECT_EQ(Read("File=a\r\nCurs=1\r\nwhat\r\n").Error->LineNumber, 4);
    EXPECT_EQ(LayoutFileErrorText(*Read("File=a\r\nwhat\r\n").Error),
              "コメント以外で認識不能な行です。\r\nエラー行数：3");
}

TEST(LayoutFileEntries, TakeKeysInAnyCaseAndDefaultTo200By400AtTheOrigin) {
    TLayoutFileContent read = Read("file=C:\\a.txt  \r\nFILE=\r\ncUrS=9\r\n");
    ASSERT_FALSE(read.Error);
    ASSERT_EQ(read.Entries.size(), 2u);
    EXPECT_EQ(read.Entries[0].FileName, "C:\\a.txt  ");
    EXPECT_EQ(read.Entries[0].SelStart, 0);
    ExpectRect(read.Entries[0], 0, 0, 200, 400);
    EXPECT_EQ(read.Entries[1].FileName, "");
    EXPECT_EQ(read.Entries[1].SelStart, 9);
}

TEST(LayoutFileEntries, ReadsOldGenerationFilesWithoutCaretLines) {
    TLayoutFileContent read = Read("File=C:\\a.txt\r\nRect=10,20,300,400\n", OldLayoutFileHeader);
    EXPECT_EQ(read.Header, THeaderKind::OldGeneration);
    ASSERT_EQ(read.Entries.size(), 1u);
    EXPECT_EQ(read.Entries[0].SelStart, 0);
    ExpectRect(read.Entries[0], 10, 20, 300, 400);
}

TEST(LayoutFileCaret, ReadsBlanksBeforeTheNumberButNothingAfterIt) {
    EXPECT_EQ(Read("File=a\r\nCurs=  42\r\n").Entries[0].SelStart, 42);
    EXPECT_EQ(Read("File=a\r\nCurs=$10\r\n").Entries[0].SelStart, 16);
    EXPECT_EQ(Read("File=a\r\nCurs=3\r\nCurs=8\r\n").Entries[0].SelStart, 8);
    TLayoutFileContent read = Read("File=a\r\nCurs=42 \r\n");
    ASSERT_TRUE(read.Error);
    EXPECT_EQ(read.Error->Kind, TLayoutLineFailure::ConversionError);
    EXPECT_EQ(LayoutFileErrorText(*read.Error),
              "EConvertError クラスのエラーが発生しました。\r\n 行数: 3 "
              "\r\n発生ポイント：LoadLayout-SelStart取得ポイント"
              "\r\nメッセージ：'42 ' is not a valid integer value");
}

TEST(LayoutFileCaret, ReadsOnlyTheFirst512CharactersOfTheValue) {
    std::string padded = std::string(510, ' ') + "77";
    EXPECT_EQ(Read("File=a\r\nCurs=" + padded + "xyz\r\n").Entries[0].SelStart, 77);
}

TEST(LayoutFileRect, ReadsNegativeEdgesAndCanonicalFields) {
    ExpectRect(Read("File=a\r\nRect=-4,-4,800,600\r\n").Entries[0], -4, -4, 800, 600);
}

TEST(LayoutFileRect, MisplacesTheNextFieldAfterABlankOrALeadingZero) {
    for (const char* value : {"Rect= 10,20,300,400", "Rect=010,20,300,400", "Rect=1,2,3",
                              "Rect=a,b,c,d", "Rect=1,2,3,4 "}) {
        TLayoutFileContent read = Read(std::string("File=a\r\n") + value + "\r\n");
        ASSERT_TRUE(read.Error) << value;
        EXPECT_EQ(read.Error->PointLabel, "LoadLayout-WindowRect取得ポイント") << value;
        EXPECT_EQ(read.Error->LineNumber, 3) << value;
    }
    EXPECT_EQ(Read("File=a\r\nRect= 10,20,300,400\r\n").Error->Message,
              "'' is not a valid integer value");
}

TEST(LayoutFileRect, StopsTheWholeReadAtABadSecondEntry) {
    TLayoutFileContent read =
        Read("File=a\r\nRect=1,2,3,4\r\nFile=b\r\nRect=x,y,z,w\r\nFile=c\r\n");
    ASSERT_TRUE(read.Error);
    EXPECT_EQ(read.Error->LineNumber, 5);
    EXPECT_EQ(read.Entries.size(), 2u);
}

// The show state rides on a comment line right after its window's Rect= line; every other
// place and every other form of that line leaves it a comment, as older readers take it.
TEST(LayoutFileShowState, FollowsAMaximisedWindowsRectLineAndIsAPlainCommentAnywhereElse) {
    const std::vector<TLayout> entries = {{"C:\\max.txt",
                                           7,
                                           -8,
                                           -8,
                                           1936,
                                           1056,
                                           {},
                                           TShowState::Maximized,
                                           {-2147483647 - 1, 100, 400, 2147483647}},
                                          {"C:\\plain.txt", 0, 10, 20, 300, 200, {}}};
    const std::string text = WriteLayoutText(entries);
    EXPECT_EQ(text,
              "[QuillonLayoutFile]\r\nFile=C:\\max.txt\r\nCurs=7\r\nRect=-8,-8,1936,1056\r\n"
              "#Show=Maximized;Normal=-2147483648,100,400,2147483647\r\n"
              "File=C:\\plain.txt\r\nCurs=0\r\nRect=10,20,300,200\r\n");
    EXPECT_EQ(ReadLayoutText(text).Entries, entries);
    EXPECT_TRUE(ReadLayoutText(text).SkippedLines.empty());

    const std::string show = "#Show=Maximized;Normal=100,100,400,300\r\n",
                      entry = "File=a\r\nRect=1,2,3,4\r\n";
    // Each body with its blank and comment lines, the header being line 1.
    const std::vector<std::pair<std::string, std::vector<int>>> cases = {
        {show + entry, {2}},                                          // before any entry
        {"File=a\r\n" + show + "Rect=1,2,3,4\r\n", {3}},              // before the Rect=
        {entry + "#Show=Maximized;Normal=100,1x0,400,300\r\n", {4}},  // a bad number
        {entry + "#Show=Maximized;Normal=0100,100,400,300\r\n", {4}},
        {entry + "#Show=Maximized;Normal=100,100,400\r\n", {4}},
        {entry + "#Show=Maximized;Normal=100,100,400,300 \r\n", {4}},
        {entry + "# note\r\n" + show, {4, 5}},    // after a comment
        {entry + "Curs=0\r\n" + show, {5}},       // after the caret
        {entry + show + "Rect=1,2,3,4\r\n", {}},  // a later Rect= is normal
    };
    for (const auto& [body, skipped] : cases) {
        TLayoutFileContent read = Read(body);
        ASSERT_FALSE(read.Error) << body;
        EXPECT_EQ(read.Entries, (std::vector<TLayout>{{"a", 0, 1, 2, 3, 4, {}}})) << body;
        EXPECT_EQ(read.SkippedLines, skipped) << body;
    }
}

}  // namespace
}  // namespace wyndrel::layout
