// libFuzzer target: any date-time definition a user types gives a proposed file name without
// crashing or looping, bounded in length by a fixed factor of the definition, and free of the
// ten characters the name's replacement takes out. The first bytes choose the local time.
#include "text/date_time_format.h"
#include "text/default_file_name.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

class TFixedClock : public wyndrel::IClock {
public:
    explicit TFixedClock(wyndrel::TLocalDateTime time) : FTime(time) {}
    wyndrel::TLocalDateTime LocalNow() override { return FTime; }
    std::uint32_t RandomSeed() override { return 1; }

private:
    wyndrel::TLocalDateTime FTime;
};

// Every field inside the range the platform's local time can report.
wyndrel::TLocalDateTime TimeFrom(const std::uint8_t* bytes) {
    wyndrel::TLocalDateTime time;
    time.Year = 1601 + (bytes[0] | bytes[1] << 8) % (30827 - 1601 + 1);
    time.Month = 1 + bytes[2] % 12;
    time.Day = 1 + bytes[3] % 31;
    time.Hour = bytes[4] % 24;
    time.Minute = bytes[5] % 60;
    time.Second = bytes[6] % 60;
    time.Millisecond = (bytes[7] | bytes[8] << 8) % 1000;
    time.DayOfWeek = bytes[9] % 7;
    return time;
}

constexpr std::size_t TimeBytes = 10;
// The longest single expansion is "c": a whole date and long time (about 30 bytes after the
// full-width replacements) from one character; the era and month names stay well below.
constexpr std::size_t GrowthFactor = 40;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wyndrel::text;
    if (size < TimeBytes) return 0;
    TFixedClock clock(TimeFrom(data));
    std::string_view format(reinterpret_cast<const char*>(data + TimeBytes), size - TimeBytes);
    static const TDateTimeLocale locale = [] {
        TDateTimeLocale reference = ReferenceDateTimeLocale();
        SetEnglishDateNames(reference);
        return reference;
    }();

    const std::string name = MakeDefFileName(format, clock, locale);
    if (name.size() > GrowthFactor * format.size() + GrowthFactor) std::abort();
    // The ten are ASCII, so a byte equal to one of them is always that character itself.
    if (name.find_first_of(":/*;?<>\\|\"") != std::string::npos) std::abort();

    const std::string commandLineName = MakeCommandLineDefFileName(format, clock, locale);
    if (commandLineName.size() > GrowthFactor * format.size() + GrowthFactor) std::abort();
    if (commandLineName.find_first_of(":/") != std::string::npos) std::abort();
    return 0;
}
