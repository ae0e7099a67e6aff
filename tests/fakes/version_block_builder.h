// Version resources built in memory, node by node, as resource compilers lay them out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wyndrel::fakes {

struct TVersionNode {
    std::string Key;
    std::vector<std::uint8_t> Value;
    std::uint16_t ValueLength = 0;  // characters for text, bytes otherwise
    bool Text = false;
    std::vector<TVersionNode> Children;
};

// A text value with its closing zero, its length counting that zero.
TVersionNode TextValue(const std::string& key, const std::string& utf8);
TVersionNode Block(const std::string& key, std::vector<TVersionNode> children);
// The fixed part with a signature, the version 1.2.3.4 and the given flags and file type.
std::vector<std::uint8_t> FixedPart(std::uint32_t fileFlags, std::uint32_t fileType);

struct TStringTable {
    std::string LangCodePage;  // such as "041103A4"
    std::vector<std::pair<std::string, std::string>> Values;
};
// A whole resource: the fixed part, the string tables and a translation table listing
// `translations` (language, code page) in order; no table at all when it is empty.
std::vector<std::uint8_t> VersionResource(
    const std::vector<std::uint8_t>& fixed, const std::vector<TStringTable>& tables,
    const std::vector<std::pair<std::uint16_t, std::uint16_t>>& translations);

std::vector<std::uint8_t> Serialize(const TVersionNode& root);

}  // namespace wyndrel::fakes
