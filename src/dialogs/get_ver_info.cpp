// Loading a version resource and reading its values by the rules of TGetVerInfo.
#include "dialogs/get_ver_info.h"

#include "text/trim.h"
#include "text/utf8.h"

#include <array>
#include <cstdio>

namespace wyndrel::dialogs {
namespace {

std::string Hex4(std::uint16_t value) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(value));
    return digits;
}

}  // namespace

std::string VersionPart(const std::string& version, int index) {
    constexpr std::size_t PartCount = 4, PartLimit = 10;
    std::array<std::string, PartCount> parts;
    std::array<std::size_t, PartCount> lengths{};
    std::size_t part = 0;
    for (std::size_t at = 0; at < version.size();) {
        const text::TCodePoint c = text::DecodeAt(version, at);
        if (c.Value == U'.') {
            ++part;
        } else if (part < PartCount && lengths[part] < PartLimit) {
            parts[part].append(version, at, c.Length);
            ++lengths[part];
        }
        at += c.Length;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= PartCount) return {};
    return std::string(text::Trim(parts[static_cast<std::size_t>(index)]));
}

void TGetVerInfo::SetFileName(const std::string& fileName) {
    FFileName = fileName;
    FData.clear();
    FLanguage.clear();
    FCodePage.clear();
    auto data = FResource.ReadVersionResource(fileName);
    if (!data || data->empty()) throw EGetVerInfo(VersionUnreadableText);
    auto translation = QueryVersionValue(*data, "\\VarFileInfo\\Translation");
    auto pairs = translation ? VersionTranslations(*translation) : std::vector<TTranslation>{};
    if (pairs.empty()) throw EGetVerInfo(VersionUnreadableText);
    FData = std::move(*data);
    FLanguage = Hex4(pairs.front().Language);
    FCodePage = Hex4(pairs.front().CodePage);
}

std::string TGetVerInfo::StringValue(const std::string& key) const {
    auto value =
        QueryVersionValue(FData, "\\StringFileInfo\\" + FLanguage + FCodePage + "\\" + key);
    if (!value) throw EGetVerInfo(VersionUnreadableText);
    if (value->Length == 0) return {};
    return std::string(text::Trim(VersionText(*value)));
}

TFixedFileInfo TGetVerInfo::Fixed() const {
    auto root = QueryVersionValue(FData, "\\");
    if (!root) throw EGetVerInfo(FResource.LastErrorText());
    auto fixed = root->Length == 0 ? std::nullopt : VersionFixedInfo(*root);
    if (!fixed) throw EGetVerInfo(RootBlockUnreadableText);
    return *fixed;
}

}  // namespace wyndrel::dialogs
