// The user's locale values. An empty picture or separator is taken as none given (it could
// not format anything); an empty morning or afternoon text is kept, as 24-hour locales have.
#include "text/user_date_time_locale.h"

#include "text/locale_picture.h"

namespace wyndrel::text {
namespace {

void ReadPicture(IRegionalSettings& regional, TRegionalItem item, TPictureKind kind,
                 std::string& value) {
    const auto picture = regional.LocaleText(item);
    if (picture && !picture->empty()) value = TranslateLocalePicture(*picture, kind);
}

void ReadText(IRegionalSettings& regional, TRegionalItem item, bool emptyAllowed,
              std::string& value) {
    const auto text = regional.LocaleText(item);
    if (text && (emptyAllowed || !text->empty())) value = *text;
}

}  // namespace

TDateTimeLocale UserDateTimeLocale(IRegionalSettings& regional) {
    TDateTimeLocale locale = ReferenceDateTimeLocale();
    ReadPicture(regional, TRegionalItem::ShortDate, TPictureKind::Date, locale.ShortDateFormat);
    ReadPicture(regional, TRegionalItem::LongDate, TPictureKind::Date, locale.LongDateFormat);
    ReadPicture(regional, TRegionalItem::ShortTime, TPictureKind::Time, locale.ShortTimeFormat);
    ReadPicture(regional, TRegionalItem::LongTime, TPictureKind::Time, locale.LongTimeFormat);
    ReadText(regional, TRegionalItem::DateSeparator, false, locale.DateSeparator);
    ReadText(regional, TRegionalItem::TimeSeparator, false, locale.TimeSeparator);
    ReadText(regional, TRegionalItem::MorningText, true, locale.TimeAmString);
    ReadText(regional, TRegionalItem::AfternoonText, true, locale.TimePmString);
    SetEnglishDateNames(locale);
    return locale;
}

}  // namespace wyndrel::text
