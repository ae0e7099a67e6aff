// Writing and reading the layout grammar. Positions count characters, not bytes, so
// that a path with Japanese characters is cut where the editor's code page would cut it;
// lines of ASCII only, nearly all of them, take a faster path with the same results.
#include "layout/layout_file_format.h"

#include "text/case_mapping.h"
#include "text/number_parse.h"
#include "text/trim.h"
#include "text/utf8.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <utility>

namespace wyndrel::layout {
namespace {

constexpr size_t KeyLength = 5;
constexpr size_t CaretValueLength = 512;
constexpr size_t RectValueLength = 255;
constexpr const char* ConvertErrorType = "EConvertError";
constexpr const char* CaretPoint = "LoadLayout-SelStart取得ポイント";
constexpr const char* RectPoint = "LoadLayout-WindowRect取得ポイント";
// The comment line that follows a maximised window's Rect= line: readers that know only the
// three keys skip it, and the window is restored at least where it was shown.
constexpr std::string_view MaximizedLinePrefix = "#Show=Maximized;Normal=";

// Characters from `first` (counting from 0), at most `count` of them. On an ASCII line a
// character is a byte, so the limits are plain byte positions.
std::string_view Characters(std::string_view line, bool ascii, size_t first,
                            size_t count = std::string_view::npos) {
    if (ascii) return first >= line.size() ? std::string_view() : line.substr(first, count);
    std::string_view head = text::FirstCharacters(line, first);
    std::string_view rest = line.substr(head.size());
    return count == std::string_view::npos ? rest : text::FirstCharacters(rest, count);
}

bool IsAscii(std::string_view line) {
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The key: the first five characters upper-cased, then trimmed. An ASCII key is upper-cased
// byte by byte, which is what the locale's mapping does to ASCII letters.
std::string LineKey(std::string_view line, bool ascii) {
    if (!ascii)
        return std::string(text::Trim(text::LocaleUpper(Characters(line, false, 0, KeyLength))));
    std::string_view head = text::Trim(line.substr(0, std::min(line.size(), KeyLength)));
    std::string key(head);
    for (char& c : key) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return key;
}

// A line at a time, each without its CR LF.
class TLineCursor {
public:
    explicit TLineCursor(std::string_view text) : FRest(text) {}

    std::optional<std::string_view> Next() {
        if (FDone || FRest.empty()) return std::nullopt;
        const size_t end = FRest.find('\n');
        std::string_view line = FRest.substr(0, end);
        if (end == std::string_view::npos)
            FDone = true;
        else
            FRest.remove_prefix(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line;
    }

private:
    std::string_view FRest;
    bool FDone = false;
};

struct TConversion {
    std::int32_t Value = 0;
    std::optional<std::string> Error;
};

// A plain decimal ("-" and up to ten digits) read directly; anything else is left to the
// general conversion, which also words the error.
std::optional<std::int32_t> PlainDecimal(std::string_view value) {
    const bool negative = !value.empty() && value[0] == '-';
    const std::string_view digits = value.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 10) return std::nullopt;
    std::int64_t magnitude = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
    }
    const std::int64_t number = negative ? -magnitude : magnitude;
    if (number < INT32_MIN || number > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(number);
}

TConversion Convert(std::string_view value) {
    if (auto number = PlainDecimal(value)) return {*number, std::nullopt};
    if (auto number = text::ParseInt32(value)) return {*number, std::nullopt};
    // Built by appending: gcc 12 warns falsely about "'" + std::string (-Wrestrict).
    std::string message = "'";
    message.append(value);
    message.append("' is not a valid integer value");
    return {0, message};
}

// Characters of the canonical decimal form of `value`, its "-" included.
size_t CanonicalLength(std::int32_t value) {
    std::int64_t magnitude = value < 0 ? -static_cast<std::int64_t>(value) : value;
    size_t length = value < 0 ? 2 : 1;
    for (; magnitude >= 10; magnitude /= 10) ++length;
    return length;
}

// The four rectangle numbers; each field after the first starts just past the canonical
// decimal form of the one before it and one separator.
std::optional<std::string> ReadRect(std::string_view value, bool ascii, TLayout& entry) {
    std::int32_t* fields[] = {&entry.Left, &entry.Top, &entry.Width, &entry.Height};
    std::string_view rest = value;
    for (size_t i = 0; i < 4; ++i) {
        std::string_view field = rest;
        if (i < 3) {
            size_t comma = rest.find(',');
            field = comma == std::string_view::npos ? std::string_view() : rest.substr(0, comma);
        }
        TConversion converted = Convert(field);
        if (converted.Error) return converted.Error;
        *fields[i] = converted.Value;
        size_t next = CanonicalLength(converted.Value) + 1;
        rest = Characters(rest, ascii, next);
    }
    return std::nullopt;
}

// A number exactly as the writer puts it: canonical decimal, within 32 bits.
std::optional<std::int32_t> CanonicalNumber(std::string_view field) {
    auto number = PlainDecimal(field);
    if (!number || CanonicalLength(*number) != field.size()) return std::nullopt;
    return number;
}

// The normal rectangle of a show-state line, or none when the line is anything else: four
// canonical numbers joined by single commas and nothing after them.
std::optional<TWindowBox> ReadMaximizedLine(std::string_view line) {
    if (!line.starts_with(MaximizedLinePrefix)) return std::nullopt;
    std::string_view rest = line.substr(MaximizedLinePrefix.size());
    TWindowBox box;
    std::int32_t* fields[] = {&box.Left, &box.Top, &box.Width, &box.Height};
    for (size_t i = 0; i < 4; ++i) {
        const size_t comma = i < 3 ? rest.find(',') : rest.size();
        if (comma == std::string_view::npos) return std::nullopt;
        auto number = CanonicalNumber(rest.substr(0, comma));
        if (!number) return std::nullopt;
        *fields[i] = *number;
        rest.remove_prefix(std::min(rest.size(), comma + 1));
    }
    return box;
}

// The longest canonical decimal of a 32-bit number: "-2147483648".
constexpr size_t MaxNumberLength = 11;

void AppendNumber(std::string& out, std::int32_t value) {
    char digits[MaxNumberLength];
    const auto end = std::to_chars(digits, digits + MaxNumberLength, value).ptr;
    out.append(digits, end);
}

void AppendBox(std::string& out, const TWindowBox& box) {
    AppendNumber(out, box.Left);
    out += ',';
    AppendNumber(out, box.Top);
    out += ',';
    AppendNumber(out, box.Width);
    out += ',';
    AppendNumber(out, box.Height);
}

// Reads the lines after the header into `content`, stopping at the first bad one.
class TLayoutReader {
public:
    explicit TLayoutReader(TLayoutFileContent& content) : FContent(content) {}

    void ReadLine(std::string_view line, int number) {
        const bool afterRect = std::exchange(FAfterRect, false);
        const bool ascii = IsAscii(line);
        const std::string key = LineKey(line, ascii);
        if (key.empty() || key[0] == '#' || key[0] == ';') {
            if (!afterRect || !TakeShowState(line)) FContent.SkippedLines.push_back(number);
        } else if (key == "FILE=") {
            FContent.Entries.push_back(
                TLayout{std::string(Characters(line, ascii, KeyLength)), 0, 0, 0, 200, 400, {}});
        } else if (key == "CURS=" && !FContent.Entries.empty()) {
            TConversion caret = Convert(Characters(line, ascii, KeyLength, CaretValueLength));
            if (caret.Error)
                Fail(TLayoutLineFailure::ConversionError, number, CaretPoint, *caret.Error);
            else
                FContent.Entries.back().SelStart = caret.Value;
        } else if (key == "RECT=" && !FContent.Entries.empty()) {
            const std::string_view value = Characters(line, ascii, KeyLength, RectValueLength);
            TLayout& entry = FContent.Entries.back();
            // The show state belongs to the Rect= line it follows: a later rectangle is a
            // normal one unless a show-state line follows it too.
            entry.ShowState = TShowState::Normal;
            entry.NormalRect = {};
            if (auto error = ReadRect(value, ascii, entry))
                Fail(TLayoutLineFailure::ConversionError, number, RectPoint, *error);
            else
                FAfterRect = true;
        } else {
            // Curs= and Rect= before the first File= belong to no window: unrecognised too.
            Fail(TLayoutLineFailure::UnrecognisedLine, number, nullptr, "");
        }
    }

private:
    // A show-state line right after the latest entry's Rect= line; any other comment,
    // a malformed show-state line among them, stays a comment.
    bool TakeShowState(std::string_view line) {
        auto normal = ReadMaximizedLine(line);
        if (!normal) return false;
        FContent.Entries.back().ShowState = TShowState::Maximized;
        FContent.Entries.back().NormalRect = *normal;
        return true;
    }

    void Fail(TLayoutLineFailure kind, int number, const char* point, std::string message) {
        FContent.Error = TLayoutFileError{kind, number, point ? point : "",
                                          point ? ConvertErrorType : "", std::move(message)};
    }

    TLayoutFileContent& FContent;
    bool FAfterRect = false;  // the line before was the latest entry's Rect= line
};

}  // namespace

std::string WriteLayoutText(const std::vector<TLayout>& entries) {
    // Every line but File='s path has a bounded length: one allocation for the whole file.
    constexpr size_t FixedEntryLength = 3 * (KeyLength + 2) + 5 * MaxNumberLength + 3;
    constexpr size_t MaximizedLineLength = MaximizedLinePrefix.size() + 4 * MaxNumberLength + 3 + 2;
    size_t length = std::char_traits<char>::length(LayoutFileHeader) + 2;
    for (const TLayout& entry : entries) {
        length += entry.FileName.size() + FixedEntryLength;
        if (entry.ShowState == TShowState::Maximized) length += MaximizedLineLength;
    }
    std::string text;
    text.reserve(length);
    text.append(LayoutFileHeader).append("\r\n");
    for (const TLayout& entry : entries) {
        text.append("File=").append(entry.FileName).append("\r\nCurs=");
        AppendNumber(text, entry.SelStart);
        text.append("\r\nRect=");
        AppendBox(text, {entry.Left, entry.Top, entry.Width, entry.Height});
        text.append("\r\n");
        if (entry.ShowState == TShowState::Maximized) {
            text.append(MaximizedLinePrefix);
            AppendBox(text, entry.NormalRect);
            text.append("\r\n");
        }
    }
    return text;
}

TLayoutFileContent ReadLayoutText(std::string_view text) {
    TLayoutFileContent content;
    TLineCursor lines(text);
    const std::string_view header = lines.Next().value_or(std::string_view());
    content.Header = header == LayoutFileHeader      ? THeaderKind::Current
                     : header == OldLayoutFileHeader ? THeaderKind::OldGeneration
                                                     : THeaderKind::Unknown;
    TLayoutReader reader(content);
    int number = 1;
    for (auto line = lines.Next(); line && !content.Error; line = lines.Next())
        reader.ReadLine(*line, ++number);
    return content;
}

std::string LayoutFileErrorText(const TLayoutFileError& error) {
    if (error.Kind == TLayoutLineFailure::UnrecognisedLine)
        return "コメント以外で認識不能な行です。\r\nエラー行数：" +
               text::IntToStr(error.LineNumber);
    return error.TypeName +
           " クラスのエラーが発生しました。\r\n 行数: " + text::IntToStr(error.LineNumber) +
           " \r\n発生ポイント：" + error.PointLabel + "\r\nメッセージ：" + error.Message;
}

}  // namespace wyndrel::layout
