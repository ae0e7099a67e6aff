// The portable version-block reader against the platform's VerQueryValueW on real files:
// the program's own (whose version CMake wrote) and the system's common-controls library.
#include "dialogs/get_ver_info.h"
#include "dialogs/version_block.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_system_info.h"
#include "platform/win32/win32_version_resource.h"
#include "support/programs.h"
#include "wyndrel_version.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace e2e {
namespace {

using wyndrel::dialogs::QueryVersionValue;

void ExpectSameAsPlatform(const std::vector<std::uint8_t>& block, const std::string& path) {
    void* platformValue = nullptr;
    UINT platformLength = 0;
    std::vector<std::uint8_t> copy = block;  // VerQueryValueW may write into its block
    const bool found = ::VerQueryValueW(copy.data(), wyndrel::win32::Widen(path).c_str(),
                                        &platformValue, &platformLength);
    auto value = QueryVersionValue(block, path);
    ASSERT_EQ(value.has_value(), found) << path;
    if (!found) return;
    EXPECT_EQ(value->Length, platformLength) << path;
    const auto offset =
        static_cast<std::size_t>(static_cast<std::uint8_t*>(platformValue) - copy.data());
    EXPECT_EQ(value->Data.data() - block.data(), static_cast<std::ptrdiff_t>(offset)) << path;
}

TEST(VersionResourceOnWin32, ReadsTheProgramAndTheCommonControlsAsThePlatformDoes) {
    wyndrel::win32::TWin32VersionResource resource;
    const std::string exe = wyndrel::win32::Narrow(ProgramFolder() + L"wyndrel.exe");
    const std::string comctl =
        wyndrel::win32::TWin32SystemInfo().SystemDirectory() + "\\COMCTL32.DLL";
    for (const std::string& file : {exe, comctl}) {
        auto block = resource.ReadVersionResource(file);
        ASSERT_TRUE(block) << file;
        auto translation = QueryVersionValue(*block, "\\VarFileInfo\\Translation");
        ASSERT_TRUE(translation && translation->Data.size() >= 4) << file;
        const auto first = wyndrel::dialogs::VersionTranslations(*translation).front();
        char table[64];
        std::snprintf(table, sizeof table, "\\StringFileInfo\\%04X%04X", first.Language,
                      first.CodePage);
        for (const std::string& path :
             {std::string("\\"), std::string("\\VarFileInfo\\Translation"),
              table + std::string("\\FileVersion"), table + std::string("\\CompanyName"),
              table + std::string("\\NoSuchValue"),
              std::string("\\StringFileInfo\\DEADBEEF\\FileVersion")})
            ExpectSameAsPlatform(*block, path);
    }
    wyndrel::dialogs::TGetVerInfo own(resource);
    own.SetFileName(exe);
    EXPECT_EQ(own.FileVersion(), WYNDREL_VERSION_TEXT);
    EXPECT_EQ(own.LocaleId(), "0411");
    EXPECT_FALSE(own.Dll());
    EXPECT_THROW(own.SetFileName(exe + ".missing"), wyndrel::dialogs::EGetVerInfo);
}

}  // namespace
}  // namespace e2e
