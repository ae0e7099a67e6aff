// The formatter's locale values for this user: the platform's regional formats, separators
// and morning/afternoon texts, the reference values where the platform gives none, and the
// English day and month names the program always uses.
#pragma once

#include "platform/regional_settings.h"
#include "text/date_time_locale.h"

namespace wyndrel::text {

TDateTimeLocale UserDateTimeLocale(IRegionalSettings& regional);

}  // namespace wyndrel::text
