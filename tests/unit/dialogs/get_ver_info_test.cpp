// The version reader on resources built in memory: the first translation only, trimmed
// values, the flags of the fixed part, the version parts and blocks that lie.
#include "dialogs/get_ver_info.h"

#include "dialogs/version_block.h"
#include "fakes/fake_version_resource.h"
#include "fakes/version_block_builder.h"

#include <gtest/gtest.h>

#include <functional>

namespace wyndrel::dialogs {
namespace {

using fakes::FixedPart;
using fakes::VersionResource;

constexpr const char* Exe = "C:\\app\\wyndrel.exe";

std::vector<std::uint8_t> TwoTranslations() {
    return VersionResource(
        FixedPart(0, 1),
        {{"041103A4", {{"FileVersion", " 1.2.3.4\t "}, {"CompanyName", "作者"}, {"Comments", ""}}},
         {"040904B0", {{"FileVersion", "9.9.9.9"}, {"ProductName", "Other"}}}},
        {{0x0411, 0x03A4}, {0x0409, 0x04B0}});
}

std::string Message(const std::function<void()>& read) {
    try {
        read();
    } catch (const EGetVerInfo& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(VersionReader, ReadsTrimmedValuesOfTheFirstTranslationOnly) {
    fakes::TFakeVersionResource files;
    files.Files[Exe] = TwoTranslations();
    TGetVerInfo info(files);
    info.SetFileName(Exe);
    EXPECT_EQ(info.LocaleId(), "0411");
    EXPECT_EQ(info.FileVersion(), "1.2.3.4");
    EXPECT_EQ(info.CompanyName(), "作者");
    EXPECT_EQ(info.Comments(), "");
    // Present only in the second translation's table: not consulted.
    EXPECT_EQ(Message([&] { (void)info.ProductName(); }), "バージョン情報が取得できません.");
    EXPECT_EQ(Message([&] { (void)info.LegalTrademarks(); }), "バージョン情報が取得できません.");
    EXPECT_EQ(info.GetMajorVersion() + "|" + info.GetMinorVersion() + "|" + info.GetRelease() +
                  "|" + info.GetBuild(),
              "1|2|3|4");
    // The platform compares keys without regard to case.
    auto value = QueryVersionValue(files.Files[Exe], "\\stringfileinfo\\041103a4\\FILEVERSION");
    ASSERT_TRUE(value);
    EXPECT_EQ(VersionText(*value), " 1.2.3.4\t ");
}

TEST(VersionReader, FailsToLoadAFileWithoutResourceOrTranslationAndForgetsTheEarlierOne) {
    fakes::TFakeVersionResource files;
    files.Files[Exe] = TwoTranslations();
    files.Files["untranslated.dll"] =
        VersionResource(FixedPart(0, 2), {{"041103A4", {{"FileVersion", "1"}}}}, {});
    TGetVerInfo info(files);
    info.SetFileName(Exe);
    EXPECT_EQ(Message([&] { info.SetFileName("untranslated.dll"); }),
              "バージョン情報が取得できません.");
    EXPECT_EQ(info.FileName(), "untranslated.dll");
    EXPECT_EQ(Message([&] { (void)info.FileVersion(); }), "バージョン情報が取得できません.");
    EXPECT_EQ(Message([&] { info.SetFileName("missing.dll"); }), "バージョン情報が取得できません.");
}

TEST(VersionReader, TakesTheFlagsUnmaskedAndReportsAnUnreadableRootBlock) {
    fakes::TFakeVersionResource files;
    files.Files["all.dll"] =
        VersionResource(FixedPart(1 | 2 | 8 | 32 | 0x40, 2), {}, {{0x409, 1200}});
    files.Files["none.exe"] = VersionResource(FixedPart(0x10, 1), {}, {{0x409, 1200}});
    files.Files["empty.exe"] = VersionResource({}, {}, {{0x409, 1200}});
    TGetVerInfo info(files);
    info.SetFileName("all.dll");
    EXPECT_TRUE(info.DebugBuild() && info.PreRelease() && info.PrivateBuild() &&
                info.SpecialBuild() && info.Dll());
    info.SetFileName("none.exe");
    EXPECT_FALSE(info.DebugBuild() || info.PreRelease() || info.PrivateBuild() ||
                 info.SpecialBuild() || info.Dll());
    info.SetFileName("empty.exe");
    EXPECT_EQ(Message([&] { (void)info.DebugBuild(); }), "ルートブロックが取得できません.");
}

TEST(VersionReader, SplitsVersionsIntoFourPartsOfAtMostTenCharacters) {
    EXPECT_EQ(VersionPart("1.23.4.567", 1), "23");
    EXPECT_EQ(VersionPart("1.23.4.567", 3), "567");
    EXPECT_EQ(VersionPart("1, 0, 0, 1", 0), "1, 0, 0, 1");
    EXPECT_EQ(VersionPart("1, 0, 0, 1", 1), "");
    EXPECT_EQ(VersionPart("12345678901234.2", 0), "1234567890");
    EXPECT_EQ(VersionPart(" 6 . 10 .3.4", 1), "10");
    EXPECT_EQ(VersionPart("1.2.3.4.5.6", 3), "4");  // the fifth part and later have no place
    EXPECT_EQ(VersionPart("1.2", 2), "");
}

TEST(VersionReader, NeverReadsOutsideACutOrCorruptedBlock) {
    const std::vector<std::uint8_t> whole = TwoTranslations();
    for (std::size_t size = 0; size < whole.size(); ++size) {
        std::span<const std::uint8_t> cut(whole.data(), size);
        for (const char* path :
             {"\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\041103A4\\FileVersion"}) {
            auto value = QueryVersionValue(cut, path);
            if (!value) continue;
            EXPECT_GE(value->Data.data(), whole.data());
            EXPECT_LE(value->Data.data() + value->Data.size(), whole.data() + size)
                << path << " at " << size;
        }
    }
    std::vector<std::uint8_t> lying = whole;
    lying[2] = 0xFF;  // the root claims a fixed part longer than the whole block
    lying[3] = 0xFF;
    auto root = QueryVersionValue(lying, "\\");
    ASSERT_TRUE(root);
    EXPECT_LE(root->Data.size(), lying.size());
}

}  // namespace
}  // namespace wyndrel::dialogs
