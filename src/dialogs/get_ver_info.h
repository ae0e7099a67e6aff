// TGetVerInfo: a file's version resource loaded through the version-resource port, its
// string values in the first translation, the flags of its fixed part and the parts of
// its file version.
#pragma once

#include "dialogs/version_block.h"
#include "platform/version_resource.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace wyndrel::dialogs {

inline constexpr const char* VersionUnreadableText = "バージョン情報が取得できません.";
inline constexpr const char* RootBlockUnreadableText = "ルートブロックが取得できません.";

class EGetVerInfo : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Part `index` (0 to 3) of a dotted version text: at most ten characters each, blanks
// trimmed; parts after the fourth have no place and are dropped.
std::string VersionPart(const std::string& version, int index);

class TGetVerInfo {
public:
    explicit TGetVerInfo(IVersionResource& resource) : FResource(resource) {}

    // Loads `fileName`'s version resource and its first translation; raises EGetVerInfo when
    // it has none. Earlier data is forgotten first.
    void SetFileName(const std::string& fileName);
    const std::string& FileName() const { return FFileName; }

    std::string CompanyName() const { return StringValue("CompanyName"); }
    std::string FileDescription() const { return StringValue("FileDescription"); }
    std::string FileVersion() const { return StringValue("FileVersion"); }
    std::string InternalName() const { return StringValue("InternalName"); }
    std::string LegalCopyright() const { return StringValue("LegalCopyright"); }
    std::string LegalTrademarks() const { return StringValue("LegalTrademarks"); }
    std::string OriginalFilename() const { return StringValue("OriginalFilename"); }
    std::string ProductName() const { return StringValue("ProductName"); }
    std::string ProductVersion() const { return StringValue("ProductVersion"); }
    std::string Comments() const { return StringValue("Comments"); }
    std::string PrivateBuildComments() const { return StringValue("PrivateBuild"); }
    std::string SpecialBuildComments() const { return StringValue("SpecialBuild"); }

    // Bits of the fixed part's file flags as stored (not masked) and of its file type.
    bool DebugBuild() const { return (Fixed().FileFlags & 1u) != 0; }
    bool PreRelease() const { return (Fixed().FileFlags & 2u) != 0; }
    bool PrivateBuild() const { return (Fixed().FileFlags & 8u) != 0; }
    bool SpecialBuild() const { return (Fixed().FileFlags & 32u) != 0; }
    bool Dll() const { return (Fixed().FileType & 2u) != 0; }

    // The first translation's language, four uppercase hexadecimal digits.
    const std::string& LocaleId() const { return FLanguage; }

    std::string GetMajorVersion() const { return VersionPart(FileVersion(), 0); }
    std::string GetMinorVersion() const { return VersionPart(FileVersion(), 1); }
    std::string GetRelease() const { return VersionPart(FileVersion(), 2); }
    std::string GetBuild() const { return VersionPart(FileVersion(), 3); }

private:
    // The trimmed value `key` of the first translation's string table.
    std::string StringValue(const std::string& key) const;
    TFixedFileInfo Fixed() const;

    IVersionResource& FResource;
    std::string FFileName;
    std::vector<std::uint8_t> FData;
    std::string FLanguage;
    std::string FCodePage;
};

}  // namespace wyndrel::dialogs
