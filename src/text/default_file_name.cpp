// Proposed layout file names. The replacements walk the text by characters so that a byte of
// a multi-byte character is never taken for one of the replaced ASCII characters.
#include "text/default_file_name.h"

#include "text/date_time_format.h"
#include "text/utf8.h"

#include <algorithm>
#include <array>
#include <span>

namespace wyndrel::text {
namespace {

struct TReplacement {
    char32_t From;
    std::string_view To;
};

// No replacement yields a character of the table, so one pass gives what replacing each
// character in turn gives.
constexpr std::array<TReplacement, 10> FileNameReplacements{{
    {U':', "："},
    {U'/', "／"},
    {U'*', "＊"},
    {U';', "；"},
    {U'?', "？"},
    {U'<', "＜"},
    {U'>', "＞"},
    {U'\\', "￥"},
    {U'|', "｜"},
    {U'"', "”"},
}};

std::string Replaced(std::string_view text, std::span<const TReplacement> replacements) {
    std::string out;
    out.reserve(text.size());
    for (size_t position = 0; position < text.size();) {
        const TCodePoint character = DecodeAt(text, position);
        const auto match =
            std::find_if(replacements.begin(), replacements.end(),
                         [&](const TReplacement& r) { return r.From == character.Value; });
        if (match != replacements.end())
            out += match->To;
        else
            out += text.substr(position, character.Length);
        position += character.Length;
    }
    return out;
}

}  // namespace

std::string ToFullWidthFileNameCharacters(std::string_view text) {
    return Replaced(text, FileNameReplacements);
}

std::string ToFullWidthColonAndSlash(std::string_view text) {
    return Replaced(text, std::span(FileNameReplacements).first(2));
}

std::string MakeDefFileName(std::string_view format, IClock& clock, const TDateTimeLocale& locale) {
    return ToFullWidthFileNameCharacters(FormatDateTime(format, clock.LocalNow(), locale));
}

std::string MakeCommandLineDefFileName(std::string_view format, IClock& clock,
                                       const TDateTimeLocale& locale) {
    return ToFullWidthColonAndSlash(FormatDateTime(format, clock.LocalNow(), locale));
}

}  // namespace wyndrel::text
