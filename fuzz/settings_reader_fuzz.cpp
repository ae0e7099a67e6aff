// libFuzzer target: the settings reader must take any bytes without crashing; a value
// written into any text must read back as written, and every other key must keep its value.
#include "settings/ini_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wyndrel::settings;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    constexpr std::array<std::pair<std::string_view, std::string_view>, 6> Queries{
        {{"Option", "QuilPath"},
         {"option", "LEFT"},
         {"AutoSave", "File0"},
         {"S", "x"},
         {"", ""},
         {"List", "Top"}}};
    std::array<std::optional<std::string>, Queries.size()> before;
    for (std::size_t i = 0; i < Queries.size(); ++i)
        before[i] = FindIniValue(text, Queries[i].first, Queries[i].second);

    std::string written = SetIniValue(text, "S", "k", "value 1");
    if (FindIniValue(written, "S", "k") != std::optional<std::string>("value 1")) std::abort();
    for (std::size_t i = 0; i < Queries.size(); ++i)
        if (FindIniValue(written, Queries[i].first, Queries[i].second) != before[i]) std::abort();
    return 0;
}
