// The exception a component raises when an operation cannot be done with its current state;
// the window's exception barrier shows its message.
#pragma once

#include <stdexcept>
#include <string>

namespace wyndrel::widgets {

class EInvalidOperation : public std::runtime_error {
public:
    explicit EInvalidOperation(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace wyndrel::widgets
