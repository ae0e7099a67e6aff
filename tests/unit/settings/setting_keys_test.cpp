// The settings schema: names, defaults and kinds of read, and the editor's filter keys.
#include "fakes/fake_files.h"
#include "settings/ini_access.h"
#include "settings/setting_keys.h"

#include <gtest/gtest.h>

#include <set>

namespace wyndrel::settings {
namespace {

TEST(SettingKeys, NameNumberedKeysWithTheIndexWithoutPadding) {
    EXPECT_EQ(keys::FavoritesFile.Name(0), "File0");
    EXPECT_EQ(keys::AutoSaveFile.Name(12), "File12");
    EXPECT_EQ(keys::ListLastWidth.Name(5), "LastWidth5");
}

TEST(SettingKeys, UseOnlyTheFourSectionsAndNoKeyTwice) {
    std::set<std::string> seen;
    auto add = [&seen](std::string_view section, std::string_view name) {
        EXPECT_TRUE(section == "Option" || section == "Favorites" || section == "AutoSave" ||
                    section == "List");
        EXPECT_TRUE(seen.insert(std::string(section) + "/" + std::string(name)).second) << name;
    };
    for (const auto& key : keys::StringKeys) add(key.Section, key.Name);
    for (const auto& key : keys::IntegerKeys) add(key.Section, key.Name);
    for (const auto& key : keys::BoolKeys) add(key.Section, key.Name);
    EXPECT_EQ(seen.size(), 33u);
}

TEST(SettingKeys, GiveTheTablesDefaults) {
    EXPECT_EQ(keys::QuilPath.Default, "C:\\Program Files\\Quillon\\Quillon.exe");
    EXPECT_EQ(keys::IsFileNameDateTime.Default, "yyyymmdd");
    EXPECT_EQ(keys::DeleyWaitTime.Default, 1000);
    EXPECT_EQ(keys::AutoSaveInterval.Default, 1800);
    EXPECT_TRUE(keys::IsMostTop.Default);
    EXPECT_EQ(keys::ListLastWidthDefaults, (std::array<std::int32_t, 6>{250, 36, 36, 36, 36, 48}));
    EXPECT_EQ(keys::ListTop.Default, 150);
    EXPECT_EQ(keys::ListLeft.Default, 150);
    EXPECT_EQ(keys::ListWidth.Default, 500);
    EXPECT_EQ(keys::ListHeight.Default, 300);
    EXPECT_TRUE(keys::UserLeft.DefaultFromCaller);
    EXPECT_TRUE(keys::Top.DefaultFromCaller);
    EXPECT_FALSE(keys::LastSheet.DefaultFromCaller);
}

TEST(SettingKeys, MarkWhichIntegersAreScannedAndWhichAreReadStrictly) {
    EXPECT_EQ(keys::ListHeight.Read, TIntegerRead::Scan);
    EXPECT_EQ(keys::StartWindowPosType.Read, TIntegerRead::Strict);
    EXPECT_EQ(keys::LastSheet.Read, TIntegerRead::StrictAndScan);
    EXPECT_EQ(keys::DeleyWaitTime.Read, TIntegerRead::StrictAndScan);
    EXPECT_EQ(keys::AutoSaveFileCount.Read, TIntegerRead::StrictAndScan);
    EXPECT_EQ(keys::FavoritesItemCount.Read, TIntegerRead::ScanInDialog);
}

TEST(SettingKeys, ReadEveryDefaultFromAMissingSettingsFile) {
    fakes::TFakeFiles files;
    TIniAccess ini(files);
    ini.IniFileName = "C:\\Tools\\wyndrel.ini";
    for (const auto& key : keys::StringKeys)
        EXPECT_EQ(ini.ReadIniString(key.Section, key.Name, key.Default), key.Default);
    for (const auto& key : keys::BoolKeys)
        EXPECT_EQ(ini.ReadIniBool(key.Section, key.Name, key.Default), key.Default);
    for (const auto& key : keys::IntegerKeys) {
        EXPECT_EQ(ini.ReadIniInteger(key.Section, key.Name, key.Default), key.Default) << key.Name;
        EXPECT_EQ(ini.SettingsFile().ReadInteger(key.Section, key.Name, key.Default), key.Default)
            << key.Name;
    }
}

TEST(SettingKeys, ReadIsMostTopStoredAsNoAsFalse) {
    fakes::TFakeFiles files;
    files.AddFile("C:\\Tools\\wyndrel.ini", "[Option]\r\nIsMostTop=NO\r\n");
    TIniAccess ini(files);
    ini.IniFileName = "C:\\Tools\\wyndrel.ini";
    EXPECT_FALSE(ini.Read(keys::IsMostTop));
}

TEST(EditorSettingsFile, IsTheEditorPathWithTheExtensionIni) {
    EXPECT_EQ(EditorIniFileName("C:\\Program Files\\Quillon\\Quillon.exe"),
              "C:\\Program Files\\Quillon\\Quillon.ini");
}

TEST(EditorFilterKeys, ListTheTenKeysInTableOrderWithTheirOwnDefaults) {
    ASSERT_EQ(keys::SheetCount, 6);
    std::vector<std::string> names;
    for (const auto& key : EditorFilterKeys) names.emplace_back(key.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"UserFileFilter", "HtmlDocFilter", "PerlDocFilter",
                                               "IniDocFilter", "BatDocFilter", "CppDocFilter",
                                               "JavaDocFilter", "VbDocFilter", "HspDocFilter",
                                               "PasDocFilter"}));
    EXPECT_EQ(EditorFilterKeys[2].Default, "*.html;*.htm");
    EXPECT_EQ(EditorFilterKeys[3].Default, "*.cgi;*.pl");
    EXPECT_EQ(EditorFilterKeys[4].Default, "*.ini;*.inf;*.url");
    EXPECT_EQ(EditorFilterKeys[5].Label, "C/C++ファイル(");
    EXPECT_EQ(EditorFilterKeys[9].Label, "Delphiファイル(");
}

TEST(EditorFilterKeys, GiveTheDefaultsWhenTheEditorsFileIsMissing) {
    fakes::TFakeFiles files;
    TIniAccess ini(files);
    ini.IniFileName = EditorIniFileName("C:\\Program Files\\Quillon\\Quillon.exe");
    for (const auto& key : EditorFilterKeys)
        EXPECT_EQ(ini.ReadIniString(EditorFilterSection, key.Name, key.Default), key.Default);
}

}  // namespace
}  // namespace wyndrel::settings
