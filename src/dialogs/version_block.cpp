// The walk through a version resource's node tree, bounded at every step.
#include "dialogs/version_block.h"

#include "text/utf8.h"

namespace wyndrel::dialogs {
namespace {

constexpr std::size_t HeaderSize = 6;  // wLength, wValueLength, wType

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t DoubleWord(std::span<const std::uint8_t> bytes, std::size_t at) {
    return Word(bytes, at) | (static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16);
}

constexpr std::size_t AlignUp(std::size_t offset) {
    return (offset + 3) & ~static_cast<std::size_t>(3);
}

// UTF-16 code units to UTF-8; a lone surrogate becomes U+FFFD.
std::string FromUtf16(const std::vector<char16_t>& units) {
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD;
        text::AppendUtf8(out, c);
    }
    return out;
}

// One node, its offsets absolute in the block.
struct TNode {
    std::size_t Begin = 0, End = 0;  // End: past the node's last byte, never past the block
    std::string Key;
    std::size_t ValueBegin = 0, ValueEnd = 0;
    std::uint16_t ValueLength = 0;
    bool IsText = false;
    std::size_t ChildrenBegin = 0;
};

// The node at `begin` inside [begin, limit); none when it cannot be a node.
std::optional<TNode> ReadNode(std::span<const std::uint8_t> block, std::size_t begin,
                              std::size_t limit) {
    if (begin + HeaderSize > limit) return std::nullopt;
    const std::uint16_t length = Word(block, begin);
    if (length < HeaderSize || begin + length > limit) return std::nullopt;
    TNode node;
    node.Begin = begin;
    node.End = begin + length;
    node.ValueLength = Word(block, begin + 2);
    node.IsText = Word(block, begin + 4) == 1;
    std::vector<char16_t> key;
    std::size_t at = begin + HeaderSize;
    for (; at + 2 <= node.End; at += 2) {
        const char16_t unit = Word(block, at);
        if (unit == 0) break;
        key.push_back(unit);
    }
    node.Key = FromUtf16(key);
    node.ValueBegin = std::min(AlignUp(at + 2), node.End);
    const std::size_t valueBytes =
        node.IsText ? std::size_t{node.ValueLength} * 2 : node.ValueLength;
    node.ValueEnd = std::min(node.ValueBegin + valueBytes, node.End);
    node.ChildrenBegin = std::min(AlignUp(node.ValueEnd), node.End);
    return node;
}

bool SameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::optional<TNode> FindChild(std::span<const std::uint8_t> block, const TNode& parent,
                               std::string_view key) {
    std::size_t at = parent.ChildrenBegin;
    while (auto child = ReadNode(block, at, parent.End)) {
        if (SameKey(child->Key, key)) return child;
        at = AlignUp(child->End);
    }
    return std::nullopt;
}

}  // namespace

std::optional<TVersionValue> QueryVersionValue(std::span<const std::uint8_t> block,
                                               std::string_view subBlock) {
    std::optional<TNode> node = ReadNode(block, 0, block.size());
    while (node) {
        while (!subBlock.empty() && subBlock.front() == '\\') subBlock.remove_prefix(1);
        if (subBlock.empty()) break;
        const std::size_t slash = subBlock.find('\\');
        node = FindChild(block, *node, subBlock.substr(0, slash));
        subBlock = slash == std::string_view::npos ? std::string_view{} : subBlock.substr(slash);
    }
    if (!node) return std::nullopt;
    return TVersionValue{block.subspan(node->ValueBegin, node->ValueEnd - node->ValueBegin),
                         node->ValueLength, node->IsText};
}

std::string VersionText(const TVersionValue& value) {
    std::vector<char16_t> units;
    const std::size_t limit = std::min<std::size_t>(value.Length, value.Data.size() / 2);
    for (std::size_t i = 0; i < limit; ++i) {
        const char16_t unit = Word(value.Data, i * 2);
        if (unit == 0) break;
        units.push_back(unit);
    }
    return FromUtf16(units);
}

std::vector<TTranslation> VersionTranslations(const TVersionValue& value) {
    std::vector<TTranslation> pairs;
    for (std::size_t at = 0; at + 4 <= value.Data.size(); at += 4)
        pairs.push_back({Word(value.Data, at), Word(value.Data, at + 2)});
    return pairs;
}

std::optional<TFixedFileInfo> VersionFixedInfo(const TVersionValue& value) {
    constexpr std::size_t FileFlagsAt = 28, FileTypeAt = 36;
    if (value.Data.size() < FileTypeAt + 4) return std::nullopt;
    return TFixedFileInfo{DoubleWord(value.Data, FileFlagsAt), DoubleWord(value.Data, FileTypeAt)};
}

}  // namespace wyndrel::dialogs
