// Line-by-line INI parsing. Lines keep their own endings so that a write changes nothing
// but the one line it is about.
#include "settings/ini_text.h"

#include "text/case_mapping.h"
#include "text/trim.h"

#include <vector>

namespace wyndrel::settings {
namespace {

struct TLine {
    std::string_view Body;    // without its line ending
    std::string_view Ending;  // "\r\n", "\n", "\r" or "" for the last line
};

std::vector<TLine> SplitLines(std::string_view text) {
    std::vector<TLine> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back({text.substr(start), {}});
            break;
        }
        size_t endingLength =
            (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1;
        lines.push_back({text.substr(start, end - start), text.substr(end, endingLength)});
        start = end + endingLength;
    }
    return lines;
}

// The section name of a "[name]" line, or none when the line is not a section line.
std::optional<std::string_view> SectionName(std::string_view body) {
    std::string_view line = text::TrimLeft(body);
    if (line.empty() || line.front() != '[') return std::nullopt;
    size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return text::Trim(line.substr(1, close - 1));
}

bool IsComment(std::string_view body) {
    std::string_view line = text::TrimLeft(body);
    return !line.empty() && line.front() == ';';
}

bool IsKeyLine(std::string_view body, std::string_view key) {
    if (IsComment(body)) return false;
    size_t equals = body.find('=');
    std::string_view name =
        text::Trim(equals == std::string_view::npos ? body : body.substr(0, equals));
    return !name.empty() && text::SameTextIgnoringCase(name, key);
}

std::string StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return std::string(value.substr(1, value.size() - 2));
    return std::string(value);
}

// Index of the first line of the first section named `section`, past its header; none when missing.
std::optional<size_t> SectionStart(const std::vector<TLine>& lines, std::string_view section) {
    for (size_t i = 0; i < lines.size(); ++i) {
        auto name = SectionName(lines[i].Body);
        if (name && text::SameTextIgnoringCase(*name, section)) return i + 1;
    }
    return std::nullopt;
}

size_t SectionEnd(const std::vector<TLine>& lines, size_t start) {
    size_t end = start;
    while (end < lines.size() && !SectionName(lines[end].Body)) ++end;
    return end;
}

std::string_view NewLineOf(const std::vector<TLine>& lines) {
    for (const TLine& line : lines)
        if (!line.Ending.empty()) return line.Ending;
    return "\r\n";
}

}  // namespace

std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key) {
    std::vector<TLine> lines = SplitLines(text);
    std::string_view wantedSection = text::Trim(section);
    std::string_view wantedKey = text::Trim(key);
    auto start = SectionStart(lines, wantedSection);
    if (!start) return std::nullopt;
    for (size_t i = *start, end = SectionEnd(lines, *start); i < end; ++i) {
        if (!IsKeyLine(lines[i].Body, wantedKey)) continue;
        size_t equals = lines[i].Body.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        return StripQuotes(text::Trim(lines[i].Body.substr(equals + 1)));
    }
    return std::nullopt;
}

std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value) {
    std::vector<TLine> lines = SplitLines(text);
    std::string_view newLine = NewLineOf(lines);
    std::string wantedSection(text::Trim(section));
    std::string wantedKey(text::Trim(key));
    std::string keyLine = wantedKey + "=" + std::string(value);

    std::string out;
    auto append = [&out](std::string_view body, std::string_view ending) {
        out.append(body).append(ending);
    };
    auto start = SectionStart(lines, wantedSection);
    if (!start) {
        out.assign(text);
        if (!out.empty() && lines.back().Ending.empty()) out.append(newLine);
        append("[" + wantedSection + "]", newLine);
        append(keyLine, newLine);
        return out;
    }
    size_t end = SectionEnd(lines, *start);
    size_t replaced = std::string_view::npos;
    for (size_t i = *start; i < end && replaced == std::string_view::npos; ++i)
        if (IsKeyLine(lines[i].Body, wantedKey)) replaced = i;
    size_t insertAfter = *start - 1;
    for (size_t i = *start; i < end; ++i)
        if (!text::Trim(lines[i].Body).empty()) insertAfter = i;

    for (size_t i = 0; i < lines.size(); ++i) {
        if (i == replaced) {
            append(keyLine, lines[i].Ending);
            continue;
        }
        bool insertHere = replaced == std::string_view::npos && i == insertAfter;
        append(lines[i].Body, (insertHere && lines[i].Ending.empty()) ? newLine : lines[i].Ending);
        if (insertHere) append(keyLine, newLine);
    }
    return out;
}

}  // namespace wyndrel::settings
