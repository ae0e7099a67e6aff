// The settings store against the platform's own profile functions: the same awkward files
// read both ways must give the same answers key by key, and a file written by the store must
// read back through the platform exactly as the same write made by the platform does.
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/windows_header.h"
#include "settings/ini_access.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace e2e {
namespace {

using wyndrel::settings::TIniAccess;
using wyndrel::win32::Narrow;
using wyndrel::win32::Widen;

struct TCorpusFile {
    const char* Name;
    std::string Bytes;
};

std::vector<TCorpusFile> Corpus() {
    return {
        {"quotes",
         "[Q]\r\na=\"quoted\"\r\nb='single'\r\nc=\"unmatched\r\nd=\" spaced \"\r\ne=\"\"\r\n"
         "f=\"mixed'\r\ng=x\"y\"\r\nh='\r\ni=\"\r\n"},
        {"blanks",
         "[ Blanks ]\r\n  key1  =  value with  inner  blanks  \r\n\tkey2\t=\tv\t\r\nkey3=\r\nkey4 "
         "=   \r\n"
         "key 5 = five\r\n"},
        {"duplicates",
         "[Dup]\r\nk=first\r\nK=second\r\n[other]\r\nk=elsewhere\r\n[dup]\r\nk=third\r\nlate=in "
         "the "
         "second\r\n"},
        {"no-values", "[NoValue]\r\nbare\r\nafter=1\r\n=nameless\r\nempty=\r\n"},
        {"comments",
         "; a comment before any section\r\n[C]\r\n;k=commented out\r\nk=real\r\n  ;indented=2\r\n"
         "after=3\r\n"},
        {"long", "[Long]\r\nv600=" + std::string(600, 'a') + "\r\nv3000=" + std::string(2100, 'b') +
                     std::string(900, 'c') + "\r\nshort=s\r\n"},
        {"lf-only", "[L]\nk=v\nn=12abc\n\n[M]\nk=w"},
        {"numbers",
         "[N]\r\na=12abc\r\nb=-5\r\nc=  "
         "42\r\nd=0x1F\r\ne=+7\r\nf=abc\r\ng=2147483647\r\nh=-2147483648\r\n"
         "i=007\r\nj=\r\n"},
        {"japanese",
         "[\x93\xFA\x96\x7B]\r\n\x83\x4C\x81\x5B=\x92\x6C\r\npath=C:\\\x8E\x91\x97\xBF\\\x83\x5C."
         "txt\r\n"},
        {"orphan-keys", "k=before any section\r\n[S]\r\nk=v\r\n"},
        {"missing-section", "[Present]\r\nk=v\r\n"},
        {"empty", ""},
    };
}

// Every section and key the platform sees in the file, in each letter case a caller might
// use, plus names that are not there.
std::vector<std::pair<std::wstring, std::wstring>> Queries(const std::wstring& path) {
    std::vector<wchar_t> buffer(65536);
    std::vector<std::wstring> sections{L"Missing"};
    DWORD length = ::GetPrivateProfileSectionNamesW(
        buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    for (const wchar_t* name = buffer.data(); name < buffer.data() + length && *name;
         name += wcslen(name) + 1)
        sections.emplace_back(name);

    std::vector<std::pair<std::wstring, std::wstring>> queries;
    for (const std::wstring& section : sections) {
        std::vector<std::wstring> keys{L"missing"};
        length = ::GetPrivateProfileStringW(section.c_str(), nullptr, L"", buffer.data(),
                                            static_cast<DWORD>(buffer.size()), path.c_str());
        for (const wchar_t* key = buffer.data(); key < buffer.data() + length && *key;
             key += wcslen(key) + 1)
            keys.emplace_back(key);
        for (const std::wstring& key : keys) {
            queries.emplace_back(section, key);
            std::wstring upperSection = section, upperKey = key;
            ::CharUpperW(upperSection.data());
            ::CharUpperW(upperKey.data());
            queries.emplace_back(upperSection, upperKey);
            queries.emplace_back(L" " + section + L" ", L"\t" + key + L" ");
        }
    }
    return queries;
}

std::wstring PlatformString(const std::wstring& path, const std::wstring& section,
                            const std::wstring& key, const std::wstring& defaultText,
                            DWORD bufferSize) {
    std::vector<wchar_t> buffer(bufferSize + 1, L'\0');
    ::GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultText.c_str(), buffer.data(),
                               bufferSize, path.c_str());
    return buffer.data();
}

std::string Describe(const char* file, const std::wstring& section, const std::wstring& key) {
    std::string where = file;
    where += " [";
    where += Narrow(section);
    where += "] ";
    where += Narrow(key);
    return where;
}

class SettingsAgainstThePlatform : public ::testing::Test {
protected:
    std::wstring Place(const char* name, const std::string& bytes) {
        std::wstring path = Folder.File(Widen(name) + L".ini");
        WriteBytes(path, bytes);
        return path;
    }
    TIniAccess On(const std::wstring& path) {
        TIniAccess ini(Files);
        ini.IniFileName = Narrow(path);
        return ini;
    }

    TTempFolder Folder;
    wyndrel::win32::TWin32Files Files;
};

TEST_F(SettingsAgainstThePlatform, ReadEveryKeyOfEveryFileAlike) {
    int compared = 0;
    for (const TCorpusFile& file : Corpus()) {
        std::wstring path = Place(file.Name, file.Bytes);
        TIniAccess ini = On(path);
        for (const auto& [section, key] : Queries(path)) {
            std::string where = Describe(file.Name, section, key);
            std::string s = Narrow(section), k = Narrow(key);
            EXPECT_EQ(ini.ReadIniString(s, k, "dflt  "),
                      Narrow(PlatformString(path, section, key, L"dflt  ", 511)))
                << where;
            EXPECT_EQ(ini.SettingsFile().ReadString(s, k, ""),
                      Narrow(PlatformString(path, section, key, L"", 2048)))
                << where;
            EXPECT_EQ(ini.ReadIniInteger(s, k, 77),
                      static_cast<std::int32_t>(
                          ::GetPrivateProfileIntW(section.c_str(), key.c_str(), 77, path.c_str())))
                << where;
            ++compared;
        }
    }
    EXPECT_GT(compared, 150);  // the corpus really was enumerated
}

TEST_F(SettingsAgainstThePlatform, ReadAMissingFileAsDefaultsBothWays) {
    std::wstring path = Folder.File(L"absent.ini");
    TIniAccess ini = On(path);
    EXPECT_EQ(ini.ReadIniString("Option", "QuilPath", "x"),
              Narrow(PlatformString(path, L"Option", L"QuilPath", L"x", 511)));
    EXPECT_EQ(
        ini.ReadIniInteger("Option", "Left", -3),
        static_cast<std::int32_t>(::GetPrivateProfileIntW(L"Option", L"Left", -3, path.c_str())));
}

struct TWrite {
    const char* Section;
    const char* Key;
    const char* Value;
};

TEST_F(SettingsAgainstThePlatform, WritesReadBackAsThePlatformsOwnWritesDo) {
    const std::vector<TWrite> writes = {
        {"Q", "a", "replaced"},
        {"q", "A", "case-folded names"},
        {"Blanks", "key2", "  padded  "},
        {"Dup", "k", "into the first"},
        {"dup", "new", "added"},
        {"NoValue", "bare", "now valued"},
        {"C", "k", "after a comment"},
        {"Long", "v600", "short now"},
        {"L", "added", "in LF file"},
        {"M", "k", "last line"},
        {"New Section", "k", "appended"},
        {"S", "k", "\x93\xFA\x96\x7B"},
        {"Present", "x", "\"quoted\""},
        {"Option", "QuilPath", "C:\\Program Files\\Quillon\\Quillon.exe"},
    };
    int compared = 0;
    for (const TCorpusFile& file : Corpus()) {
        for (const TWrite& write : writes) {
            // The same start, one write made by the store and one by the platform.
            std::wstring ours = Place("ours", file.Bytes);
            std::wstring theirs = Place("theirs", file.Bytes);
            std::wstring section = Widen(wyndrel::win32::AnsiToUtf8(write.Section));
            std::wstring key = Widen(write.Key);
            std::wstring value = Widen(wyndrel::win32::AnsiToUtf8(write.Value));
            On(ours).WriteIniString(Narrow(section), write.Key, Narrow(value));
            ASSERT_TRUE(::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(),
                                                     theirs.c_str()));
            ::WritePrivateProfileStringW(nullptr, nullptr, nullptr,
                                         theirs.c_str());  // flush the platform's cache

            std::set<std::pair<std::wstring, std::wstring>> queries;
            for (const auto& query : Queries(theirs)) queries.insert(query);
            for (const auto& query : Queries(ours)) queries.insert(query);
            for (const auto& [s, k] : queries) {
                EXPECT_EQ(PlatformString(ours, s, k, L"-", 4096),
                          PlatformString(theirs, s, k, L"-", 4096))
                    << Describe(file.Name, s, k) << " after writing [" << write.Section << "] "
                    << write.Key;
                ++compared;
            }
            ::DeleteFileW(ours.c_str());
            ::DeleteFileW(theirs.c_str());
        }
    }
    EXPECT_GT(compared, 1000);
}

TEST_F(SettingsAgainstThePlatform, CreateAMissingFileThePlatformReads) {
    std::wstring path = Folder.File(L"created.ini");
    TIniAccess ini = On(path);
    ini.WriteIniBool("Option", "IsIconic", true);
    ini.WriteIniInteger("Option", "Left", -20);
    ini.WriteIniString("Favorites", "File0",
                       "C:\\\xE8\xB3\x87\xE6\x96\x99\\a.txt");  // 資料 in UTF-8
    EXPECT_EQ(PlatformString(path, L"Option", L"IsIconic", L"", 64), L"True");
    EXPECT_EQ(::GetPrivateProfileIntW(L"Option", L"Left", 0, path.c_str()), static_cast<UINT>(-20));
    EXPECT_EQ(PlatformString(path, L"Favorites", L"File0", L"", 64), L"C:\\\u8CC7\u6599\\a.txt");
    EXPECT_EQ(ReadBytes(path),
              "[Option]\r\nIsIconic=True\r\nLeft=-20\r\n[Favorites]\r\nFile0=C:"
              "\\\x8E\x91\x97\xBF\\a.txt\r\n");
}

}  // namespace
}  // namespace e2e
