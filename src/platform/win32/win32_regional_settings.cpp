// GetLocaleInfoEx for the user's default locale, so the values the user set in the regional
// settings (not the locale's factory values) are what the program reads.
#include "platform/win32/win32_regional_settings.h"

#include "platform/win32/wide_string.h"
#include "platform/win32/windows_header.h"

#include <vector>

namespace wyndrel::win32 {
namespace {

LCTYPE LocaleType(TRegionalItem item) {
    switch (item) {
        case TRegionalItem::ShortDate:
            return LOCALE_SSHORTDATE;
        case TRegionalItem::LongDate:
            return LOCALE_SLONGDATE;
        case TRegionalItem::ShortTime:
            return LOCALE_SSHORTTIME;
        case TRegionalItem::LongTime:
            return LOCALE_STIMEFORMAT;
        case TRegionalItem::DateSeparator:
            return LOCALE_SDATE;
        case TRegionalItem::TimeSeparator:
            return LOCALE_STIME;
        case TRegionalItem::MorningText:
            return LOCALE_S1159;
        case TRegionalItem::AfternoonText:
            return LOCALE_S2359;
    }
    return 0;
}

}  // namespace

std::optional<std::string> TWin32RegionalSettings::LocaleText(TRegionalItem item) {
    const LCTYPE type = LocaleType(item);
    // The first call asks for the length, the terminating null included.
    const int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::vector<wchar_t> buffer(static_cast<size_t>(length), L'\0');
    const int written = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer.data(), length);
    if (written <= 0) return std::nullopt;
    return Narrow(std::wstring_view(buffer.data(), static_cast<size_t>(written - 1)));
}

}  // namespace wyndrel::win32
