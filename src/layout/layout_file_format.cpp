// Writing and reading the layout grammar. Positions count characters, not bytes, so
// that a path with Japanese characters is cut where the editor's code page would cut it.
#include "layout/layout_file_format.h"

#include "text/case_mapping.h"
#include "text/number_parse.h"
#include "text/trim.h"
#include "text/utf8.h"

namespace wyndrel::layout {
namespace {

constexpr size_t KeyLength = 5;
constexpr size_t CaretValueLength = 512;
constexpr size_t RectValueLength = 255;
constexpr const char* ConvertErrorType = "EConvertError";
constexpr const char* CaretPoint = "LoadLayout-SelStart取得ポイント";
constexpr const char* RectPoint = "LoadLayout-WindowRect取得ポイント";

// Characters from `first` (counting from 0), at most `count` of them.
std::string_view Characters(std::string_view line, size_t first, size_t count = std::string_view::npos) {
    std::string_view head = text::FirstCharacters(line, first);
    std::string_view rest = line.substr(head.size());
    return count == std::string_view::npos ? rest : text::FirstCharacters(rest, count);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

struct TConversion {
    std::int32_t Value = 0;
    std::optional<std::string> Error;
};

TConversion Convert(std::string_view value) {
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
std::optional<std::string> ReadRect(std::string_view value, TLayout& entry) {
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
        rest = Characters(rest, next);
    }
    return std::nullopt;
}

}  // namespace

std::string WriteLayoutText(const std::vector<TLayout>& entries) {
    std::string text = std::string(LayoutFileHeader) + "\r\n";
    for (const TLayout& entry : entries) {
        text += "File=" + entry.FileName + "\r\n";
        text += "Curs=" + text::IntToStr(entry.SelStart) + "\r\n";
        text += "Rect=" + text::IntToStr(entry.Left) + "," + text::IntToStr(entry.Top) + "," +
                text::IntToStr(entry.Width) + "," + text::IntToStr(entry.Height) + "\r\n";
    }
    return text;
}

TLayoutFileContent ReadLayoutText(std::string_view text) {
    TLayoutFileContent content;
    std::vector<std::string_view> lines = SplitLines(text);
    std::string_view header = lines.empty() ? std::string_view() : lines[0];
    content.Header = header == LayoutFileHeader      ? THeaderKind::Current
                     : header == OldLayoutFileHeader ? THeaderKind::OldGeneration
                                                     : THeaderKind::Unknown;

    auto fail = [&](TLayoutLineFailure kind, int number, const char* point, std::string message) {
        content.Error = TLayoutFileError{kind, number, point ? point : "", point ? ConvertErrorType : "",
                                         std::move(message)};
    };
    for (size_t index = 1; index < lines.size() && !content.Error; ++index) {
        std::string_view line = lines[index];
        const int number = static_cast<int>(index) + 1;
        std::string key(text::Trim(text::LocaleUpper(Characters(line, 0, KeyLength))));
        if (key.empty() || key[0] == '#' || key[0] == ';') {
            content.SkippedLines.push_back(number);
        } else if (key == "FILE=") {
            content.Entries.push_back(TLayout{std::string(Characters(line, KeyLength)), 0, 0, 0, 200, 400, {}});
        } else if (key == "CURS=" && !content.Entries.empty()) {
            TConversion caret = Convert(Characters(line, KeyLength, CaretValueLength));
            if (caret.Error)
                fail(TLayoutLineFailure::ConversionError, number, CaretPoint, *caret.Error);
            else
                content.Entries.back().SelStart = caret.Value;
        } else if (key == "RECT=" && !content.Entries.empty()) {
            if (auto error = ReadRect(Characters(line, KeyLength, RectValueLength), content.Entries.back()))
                fail(TLayoutLineFailure::ConversionError, number, RectPoint, *error);
        } else {
            // Curs= and Rect= before the first File= belong to no window: unrecognised too.
            fail(TLayoutLineFailure::UnrecognisedLine, number, nullptr, "");
        }
    }
    return content;
}

std::string LayoutFileErrorText(const TLayoutFileError& error) {
    if (error.Kind == TLayoutLineFailure::UnrecognisedLine)
        return "コメント以外で認識不能な行です。\r\nエラー行数：" + text::IntToStr(error.LineNumber);
    return error.TypeName + " クラスのエラーが発生しました。\r\n 行数: " + text::IntToStr(error.LineNumber) +
           " \r\n発生ポイント：" + error.PointLabel + "\r\nメッセージ：" + error.Message;
}

}  // namespace wyndrel::layout
