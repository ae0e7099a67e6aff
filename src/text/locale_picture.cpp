// Translation of the platform's pictures. The formatter reads far more letters as fields than
// a picture does (a, c, e, n, t, z, ...), so literal letters are always quoted.
#include "text/locale_picture.h"

#include <algorithm>

namespace wyndrel::text {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Collects literal text and writes it so that the formatter copies it as it is: letters
// and single quotes inside double quotes, a double quote inside single quotes.
class TLiteralWriter {
public:
    explicit TLiteralWriter(std::string& out) : FOut(out) {}
    ~TLiteralWriter() { Flush(); }

    void Append(char c, bool quoted) {
        const bool separator = (c == '/' || c == ':') && !quoted;
        if (c == '"') {
            Flush();
            FOut += "'\"'";
        } else if (IsAsciiLetter(c) || c == '\'' || ((c == '/' || c == ':') && !separator)) {
            FPending += c;
        } else {
            Flush();
            FOut += c;
        }
    }

    void Flush() {
        if (FPending.empty()) return;
        FOut += '"' + FPending + '"';
        FPending.clear();
    }

private:
    std::string& FOut;
    std::string FPending;
};

// The formatter's field for a run of a picture letter, or nothing when the letter is literal.
std::string FieldFor(char letter, size_t run, TPictureKind kind) {
    if (kind == TPictureKind::Date) {
        switch (letter) {
            case 'd':
                return std::string(std::min<size_t>(run, 4), 'd');
            case 'M':
                return std::string(std::min<size_t>(run, 4), 'm');
            case 'y':
                return run <= 2 ? "yy" : "yyyy";
            case 'g':
                return "gg";
            default:
                return {};
        }
    }
    switch (letter) {
        case 'h':
        case 'H':
            return run == 1 ? "h" : "hh";
        case 'm':
            return run == 1 ? "n" : "nn";
        case 's':
            return run == 1 ? "s" : "ss";
        case 't':
            return "ampm";
        default:
            return {};
    }
}

// Past the closing quote; a doubled quote inside stands for a quote itself.
size_t AppendQuoted(std::string_view picture, size_t position, TLiteralWriter& literal) {
    for (++position; position < picture.size(); ++position) {
        if (picture[position] != '\'') {
            literal.Append(picture[position], true);
        } else if (position + 1 < picture.size() && picture[position + 1] == '\'') {
            literal.Append('\'', true);
            ++position;
        } else {
            return position + 1;
        }
    }
    return position;
}

void AppendField(std::string& out, const std::string& field) {
    // Two fields of one letter side by side would read as one longer run.
    if (!out.empty() && out.back() == field.front()) out += "\"\"";
    out += field;
}

}  // namespace

std::string TranslateLocalePicture(std::string_view picture, TPictureKind kind) {
    std::string out;
    TLiteralWriter literal(out);
    size_t position = 0;
    while (position < picture.size()) {
        const char c = picture[position];
        if (c == '\'' && position + 1 < picture.size() && picture[position + 1] == '\'') {
            literal.Append('\'', true);
            position += 2;
            continue;
        }
        if (c == '\'') {
            position = AppendQuoted(picture, position, literal);
            continue;
        }
        size_t end = position;
        while (end < picture.size() && picture[end] == c) ++end;
        const std::string field = FieldFor(c, end - position, kind);
        if (field.empty()) {
            literal.Append(c, false);
            ++position;
            continue;
        }
        literal.Flush();
        AppendField(out, field);
        position = end;
    }
    literal.Flush();
    return out;
}

}  // namespace wyndrel::text
