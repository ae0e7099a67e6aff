// The version-resource port: a file's version resource read whole, as the platform keeps it
// in the file; what it says is parsed by the portable version-block reader.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wyndrel {

class IVersionResource {
public:
    virtual ~IVersionResource() = default;

    // The file's whole version resource; none when the file has none or cannot be read.
    [[nodiscard]] virtual std::optional<std::vector<std::uint8_t>> ReadVersionResource(
        const std::string& fileName) = 0;
    // The platform's text for the reason of the last failed call.
    virtual std::string LastErrorText() = 0;
};

}  // namespace wyndrel
