// Version resources by file name, as the tests build them.
#pragma once

#include "platform/version_resource.h"

#include <map>

namespace wyndrel::fakes {

class TFakeVersionResource : public IVersionResource {
public:
    std::map<std::string, std::vector<std::uint8_t>> Files;
    std::string ErrorText = "The specified resource type cannot be found in the image file.";
    int Reads = 0;  // every ReadVersionResource call, recorded

    std::optional<std::vector<std::uint8_t>> ReadVersionResource(
        const std::string& fileName) override {
        ++Reads;
        auto found = Files.find(fileName);
        if (found == Files.end()) return std::nullopt;
        return found->second;
    }
    std::string LastErrorText() override { return ErrorText; }
};

}  // namespace wyndrel::fakes
