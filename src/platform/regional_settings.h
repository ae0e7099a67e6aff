// The regional-settings port: the user's own date and time pictures, separators and
// morning/afternoon texts, as the platform holds them.
#pragma once

#include <optional>
#include <string>

namespace wyndrel {

enum class TRegionalItem {
    ShortDate,  // a date picture such as "yyyy/MM/dd"
    LongDate,   // a date picture such as "yyyy'年'M'月'd'日'"
    ShortTime,  // a time picture such as "H:mm"
    LongTime,   // a time picture such as "H:mm:ss"
    DateSeparator,
    TimeSeparator,
    MorningText,
    AfternoonText,
};

class IRegionalSettings {
public:
    virtual ~IRegionalSettings() = default;
    // The value in the platform's own picture syntax; none when the platform gives none.
    virtual std::optional<std::string> LocaleText(TRegionalItem item) = 0;
};

}  // namespace wyndrel
