// The formatter reads the whole definition into tokens first: whether "m" means minutes and
// whether an hour is on the 12-hour clock depend on what stands before and after it.
#include "text/date_time_format.h"

#include "text/japanese_era.h"
#include "text/utf8.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

namespace wyndrel::text {
namespace {

enum class TTokenKind { Text, StrayLetter, Field, AmPm, DateSeparator, TimeSeparator };

struct TToken {
    TTokenKind Kind = TTokenKind::Text;
    std::string Text;         // copied text, or an am/pm form as written
    char Letter = 0;          // a field's letter, lower case
    size_t Run = 0;           // how often the field's letter stands in a row
    bool TwelveHour = false;  // an hour field with an am/pm form after it
};

struct TContext {
    const TLocalDateTime& Time;
    const TDateTimeLocale& Locale;
    int Depth;
};

// A locale format may use another locale format, but no deeper, so one that names itself
// cannot loop.
constexpr int MaxNesting = 2;

constexpr std::string_view FieldLetters = "dmyeghnsztc";

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsAsciiLetter(char c) { return LowerAscii(c) >= 'a' && LowerAscii(c) <= 'z'; }

bool StartsWithIgnoringCase(std::string_view text, size_t position, std::string_view prefix) {
    if (text.size() - position < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (LowerAscii(text[position + i]) != prefix[i]) return false;
    }
    return true;
}

TToken MakeToken(TTokenKind kind, std::string text) {
    TToken token;
    token.Kind = kind;
    token.Text = std::move(text);
    return token;
}

TToken MakeField(char letter, size_t run) {
    TToken token;
    token.Kind = TTokenKind::Field;
    token.Letter = letter;
    token.Run = run;
    return token;
}

size_t ReadQuoted(std::string_view format, size_t position, std::vector<TToken>& tokens) {
    const size_t close = format.find(format[position], position + 1);
    const size_t end = close == std::string_view::npos ? format.size() : close;
    tokens.push_back(
        MakeToken(TTokenKind::Text, std::string(format.substr(position + 1, end - position - 1))));
    return close == std::string_view::npos ? format.size() : close + 1;
}

// The a-forms are whole words rather than runs: "aaaaa" is the long day name and an "a".
size_t ReadWordStartingWithA(std::string_view format, size_t position,
                             std::vector<TToken>& tokens) {
    for (std::string_view form : {"am/pm", "a/p", "ampm"}) {
        if (StartsWithIgnoringCase(format, position, form)) {
            tokens.push_back(
                MakeToken(TTokenKind::AmPm, std::string(format.substr(position, form.size()))));
            return position + form.size();
        }
    }
    for (size_t run : {size_t{4}, size_t{3}}) {
        if (StartsWithIgnoringCase(format, position, std::string(run, 'a'))) {
            tokens.push_back(MakeField('a', run));
            return position + run;
        }
    }
    tokens.push_back(MakeToken(TTokenKind::StrayLetter, std::string(1, format[position])));
    return position + 1;
}

size_t ReadRun(std::string_view format, size_t position, std::vector<TToken>& tokens) {
    size_t end = position;
    while (end < format.size() && format[end] == format[position]) ++end;
    tokens.push_back(MakeField(LowerAscii(format[position]), end - position));
    return end;
}

size_t ReadCharacter(std::string_view format, size_t position, std::vector<TToken>& tokens) {
    const size_t length = DecodeAt(format, position).Length;
    const auto kind = IsAsciiLetter(format[position]) ? TTokenKind::StrayLetter : TTokenKind::Text;
    tokens.push_back(MakeToken(kind, std::string(format.substr(position, length))));
    return position + length;
}

std::vector<TToken> Tokenize(std::string_view format) {
    std::vector<TToken> tokens;
    size_t position = 0;
    while (position < format.size()) {
        const char c = format[position];
        if (c == '\'' || c == '"') {
            position = ReadQuoted(format, position, tokens);
        } else if (c == '/' || c == ':') {
            tokens.push_back(
                MakeToken(c == '/' ? TTokenKind::DateSeparator : TTokenKind::TimeSeparator, ""));
            ++position;
        } else if (LowerAscii(c) == 'a') {
            position = ReadWordStartingWithA(format, position, tokens);
        } else if (IsAsciiLetter(c) && FieldLetters.find(LowerAscii(c)) != std::string_view::npos) {
            position = ReadRun(format, position, tokens);
        } else {
            position = ReadCharacter(format, position, tokens);
        }
    }
    return tokens;
}

// Only letters outside quotes part an hour from a following "m": "hh:mm", "hh時mm" and
// "hh'h'mm" all read minutes, "hh d mm" reads the month.
void ReadMinutesAfterHours(std::vector<TToken>& tokens) {
    char lastLetter = 0;
    for (TToken& token : tokens) {
        if (token.Kind == TTokenKind::Field) {
            if (token.Letter == 'm' && token.Run <= 2 && lastLetter == 'h') token.Letter = 'n';
            lastLetter = token.Letter;
        } else if (token.Kind == TTokenKind::StrayLetter || token.Kind == TTokenKind::AmPm) {
            lastLetter = 0;
        }
    }
}

// In the user's own definition an hour is on the 12-hour clock when an am/pm form follows it.
// A locale's time format comes from a platform picture, where the marker may stand first
// ("tt h:mm" of several Asian locales): there any am/pm form in it makes the clock 12-hour.
void UseTwelveHourClockBeforeAmPm(std::vector<TToken>& tokens, bool amPmAnywhere) {
    bool amPmFollows =
        amPmAnywhere && std::any_of(tokens.begin(), tokens.end(), [](const TToken& token) {
            return token.Kind == TTokenKind::AmPm;
        });
    for (auto token = tokens.rbegin(); token != tokens.rend(); ++token) {
        if (token->Kind == TTokenKind::AmPm) amPmFollows = true;
        if (token->Kind == TTokenKind::Field && token->Letter == 'h')
            token->TwelveHour = amPmFollows;
    }
}

std::string Padded(int value, size_t digits) {
    std::string text = std::to_string(value);
    if (text.size() < digits) text.insert(0, digits - text.size(), '0');
    return text;
}

size_t DigitsFor(size_t run) { return run >= 2 ? 2 : 1; }

template <size_t Count>
const std::string& NameAt(const std::array<std::string, Count>& names, int index) {
    static const std::string none;
    return index >= 0 && static_cast<size_t>(index) < Count ? names[static_cast<size_t>(index)]
                                                            : none;
}

void AppendFormatted(std::string& out, std::string_view format, const TContext& context);

void AppendLocaleFormat(std::string& out, const std::string& format, const TContext& context) {
    if (context.Depth >= MaxNesting) return;
    AppendFormatted(out, format, TContext{context.Time, context.Locale, context.Depth + 1});
}

void AppendDay(std::string& out, size_t run, const TContext& context) {
    const TDateTimeLocale& locale = context.Locale;
    const int dayOfWeek = context.Time.DayOfWeek;
    if (run <= 2)
        out += Padded(context.Time.Day, run);
    else if (run == 3)
        out += NameAt(locale.ShortDayNames, dayOfWeek);
    else if (run == 4)
        out += NameAt(locale.LongDayNames, dayOfWeek);
    else
        AppendLocaleFormat(out, run == 5 ? locale.ShortDateFormat : locale.LongDateFormat, context);
}

// The Japanese day names whatever the locale: the program sets the locale's own names to
// English at start-up, and the definition hints promise Japanese ones for aaa and aaaa.
void AppendJapaneseDay(std::string& out, size_t run, int dayOfWeek) {
    static constexpr std::array<std::string_view, 7> Days{"日", "月", "火", "水", "木", "金", "土"};
    if (dayOfWeek < 0 || dayOfWeek >= static_cast<int>(Days.size())) return;
    out += Days[static_cast<size_t>(dayOfWeek)];
    if (run == 4) out += "曜日";
}

void AppendMonth(std::string& out, size_t run, const TContext& context) {
    const int month = context.Time.Month;
    if (run <= 2)
        out += Padded(month, run);
    else if (run == 3)
        out += NameAt(context.Locale.ShortMonthNames, month - 1);
    else
        out += NameAt(context.Locale.LongMonthNames, month - 1);
}

void AppendEra(std::string& out, const TToken& token, const TLocalDateTime& time) {
    const TJapaneseEraYear era = JapaneseEraYearOf(time.Year, time.Month, time.Day);
    if (token.Letter == 'e')
        out += Padded(era.Year, DigitsFor(token.Run));
    else
        out += token.Run == 1 ? FirstCharacters(era.EraName, 1) : era.EraName;
}

int TwelveHourClock(int hour) { return hour % 12 == 0 ? 12 : hour % 12; }

void AppendDateAndTime(std::string& out, const TContext& context) {
    const TLocalDateTime& time = context.Time;
    AppendLocaleFormat(out, context.Locale.ShortDateFormat, context);
    if (time.Hour == 0 && time.Minute == 0 && time.Second == 0) return;
    out += ' ';
    AppendLocaleFormat(out, context.Locale.LongTimeFormat, context);
}

void AppendField(std::string& out, const TToken& token, const TContext& context) {
    const TLocalDateTime& time = context.Time;
    switch (token.Letter) {
        case 'd':
            AppendDay(out, token.Run, context);
            break;
        case 'a':
            AppendJapaneseDay(out, token.Run, time.DayOfWeek);
            break;
        case 'm':
            AppendMonth(out, token.Run, context);
            break;
        case 'y':
            out += token.Run <= 2 ? Padded(time.Year % 100, 2) : Padded(time.Year, 4);
            break;
        case 'e':
        case 'g':
            AppendEra(out, token, time);
            break;
        case 'h':
            out += Padded(token.TwelveHour ? TwelveHourClock(time.Hour) : time.Hour,
                          DigitsFor(token.Run));
            break;
        case 'n':
            out += Padded(time.Minute, DigitsFor(token.Run));
            break;
        case 's':
            out += Padded(time.Second, DigitsFor(token.Run));
            break;
        case 'z':
            out += Padded(time.Millisecond, std::min<size_t>(token.Run, 3));
            break;
        case 't':
            AppendLocaleFormat(
                out,
                token.Run == 1 ? context.Locale.ShortTimeFormat : context.Locale.LongTimeFormat,
                context);
            break;
        case 'c':
            AppendDateAndTime(out, context);
            break;
        default:
            break;
    }
}

// "am/pm" and "a/p" give their own letters as written; "ampm" gives the locale's texts.
void AppendAmPm(std::string& out, const std::string& written, const TContext& context) {
    const bool afternoon = context.Time.Hour >= 12;
    if (StartsWithIgnoringCase(written, 0, "ampm")) {
        out += afternoon ? context.Locale.TimePmString : context.Locale.TimeAmString;
        return;
    }
    const size_t slash = written.find('/');
    out += afternoon ? written.substr(slash + 1) : written.substr(0, slash);
}

void AppendFormatted(std::string& out, std::string_view format, const TContext& context) {
    std::vector<TToken> tokens = Tokenize(format);
    ReadMinutesAfterHours(tokens);
    UseTwelveHourClockBeforeAmPm(tokens, context.Depth > 0);
    for (const TToken& token : tokens) {
        switch (token.Kind) {
            case TTokenKind::Text:
            case TTokenKind::StrayLetter:
                out += token.Text;
                break;
            case TTokenKind::Field:
                AppendField(out, token, context);
                break;
            case TTokenKind::AmPm:
                AppendAmPm(out, token.Text, context);
                break;
            case TTokenKind::DateSeparator:
                out += context.Locale.DateSeparator;
                break;
            case TTokenKind::TimeSeparator:
                out += context.Locale.TimeSeparator;
                break;
        }
    }
}

}  // namespace

std::string FormatDateTime(std::string_view format, const TLocalDateTime& time,
                           const TDateTimeLocale& locale) {
    std::string out;
    AppendFormatted(out, format, TContext{time, locale, 0});
    return out;
}

}  // namespace wyndrel::text
