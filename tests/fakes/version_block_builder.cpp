// Laying out version-resource nodes: header, UTF-16 key, value and children, each on four bytes.
#include "fakes/version_block_builder.h"

#include "text/utf8.h"

namespace wyndrel::fakes {
namespace {

void PutWord(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutUtf16(std::vector<std::uint8_t>& out, const std::string& utf8) {
    for (std::size_t at = 0; at < utf8.size();) {
        const text::TCodePoint c = text::DecodeAt(utf8, at);
        at += c.Length;
        if (c.Value >= 0x10000) {
            PutWord(out, 0xD800 + ((c.Value - 0x10000) >> 10));
            PutWord(out, 0xDC00 + ((c.Value - 0x10000) & 0x3FF));
        } else {
            PutWord(out, c.Value);
        }
    }
    PutWord(out, 0);
}

void Pad(std::vector<std::uint8_t>& out) {
    while (out.size() % 4) out.push_back(0);
}

void Write(std::vector<std::uint8_t>& out, const TVersionNode& node) {
    Pad(out);
    const std::size_t start = out.size();
    PutWord(out, 0);
    PutWord(out, node.ValueLength);
    PutWord(out, node.Text ? 1 : 0);
    PutUtf16(out, node.Key);
    Pad(out);
    out.insert(out.end(), node.Value.begin(), node.Value.end());
    for (const TVersionNode& child : node.Children) Write(out, child);
    const std::size_t length = out.size() - start;
    out[start] = static_cast<std::uint8_t>(length & 0xFF);
    out[start + 1] = static_cast<std::uint8_t>(length >> 8);
}

}  // namespace

TVersionNode TextValue(const std::string& key, const std::string& utf8) {
    TVersionNode node{key, {}, 0, true, {}};
    PutUtf16(node.Value, utf8);
    node.ValueLength = static_cast<std::uint16_t>(node.Value.size() / 2);
    return node;
}

TVersionNode Block(const std::string& key, std::vector<TVersionNode> children) {
    return TVersionNode{key, {}, 0, true, std::move(children)};
}

std::vector<std::uint8_t> FixedPart(std::uint32_t fileFlags, std::uint32_t fileType) {
    std::vector<std::uint8_t> fixed;
    const std::uint32_t fields[13] = {0xFEEF04BD, 0x10000, 0x10002,   0x30004, 0x10002,
                                      0x30004,    0x3F,    fileFlags, 0x40004, fileType,
                                      0,          0,       0};
    for (std::uint32_t field : fields) {
        PutWord(fixed, field & 0xFFFF);
        PutWord(fixed, field >> 16);
    }
    return fixed;
}

std::vector<std::uint8_t> VersionResource(
    const std::vector<std::uint8_t>& fixed, const std::vector<TStringTable>& tables,
    const std::vector<std::pair<std::uint16_t, std::uint16_t>>& translations) {
    TVersionNode root{
        "VS_VERSION_INFO", fixed, static_cast<std::uint16_t>(fixed.size()), false, {}};
    TVersionNode strings = Block("StringFileInfo", {});
    for (const TStringTable& table : tables) {
        TVersionNode block = Block(table.LangCodePage, {});
        for (const auto& [key, value] : table.Values)
            block.Children.push_back(TextValue(key, value));
        strings.Children.push_back(block);
    }
    root.Children.push_back(strings);
    if (!translations.empty()) {
        TVersionNode translation{"Translation", {}, 0, false, {}};
        for (const auto& [language, codePage] : translations) {
            PutWord(translation.Value, language);
            PutWord(translation.Value, codePage);
        }
        translation.ValueLength = static_cast<std::uint16_t>(translation.Value.size());
        root.Children.push_back(Block("VarFileInfo", {translation}));
    }
    return Serialize(root);
}

std::vector<std::uint8_t> Serialize(const TVersionNode& root) {
    std::vector<std::uint8_t> out;
    Write(out, root);
    return out;
}

}  // namespace wyndrel::fakes
