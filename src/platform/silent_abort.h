// The silent abort: an operation that has already told the user what went wrong, or
// that must end without a word, unwinds its callers' remaining steps with this.
#pragma once

#include <stdexcept>

namespace wyndrel {

class ESilentAbort : public std::runtime_error {
public:
    ESilentAbort() : std::runtime_error("silent abort") {}
};

}  // namespace wyndrel
