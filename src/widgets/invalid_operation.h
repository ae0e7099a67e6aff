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

// The shell refused a tray icon: its notification area is not there yet (right after logon)
// or is gone for the moment. The icon may be offered again later.
class ETrayRefused : public EInvalidOperation {
public:
    using EInvalidOperation::EInvalidOperation;
};

}  // namespace wyndrel::widgets
