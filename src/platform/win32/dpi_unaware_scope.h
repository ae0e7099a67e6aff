// The calling thread switched to the DPI-unaware context for the life of a scope.
#pragma once

#include "platform/win32/windows_header.h"

namespace wyndrel::win32 {

// The program is per-monitor DPI aware so that its own windows stay sharp; its thread then
// sees other programs' windows and the monitors in physical pixels. Layout files hold the
// logical pixels a program that is not DPI aware sees, so the desktop adapter makes each
// call on the editors' geometry inside this scope, and only that call or that geometry pass
// (IDesktop::BeginGeometryPass): a window created under the switch (a message box, say)
// would itself become DPI unaware and blurred. Before Windows 10 1607 there is no
// per-thread context and the scope does nothing.
class TDpiUnawareScope {
public:
    // Switches unless `alreadyUnaware`: inside a pass that holds a scope of its own.
    explicit TDpiUnawareScope(bool alreadyUnaware = false);
    ~TDpiUnawareScope();
    TDpiUnawareScope(const TDpiUnawareScope&) = delete;
    TDpiUnawareScope& operator=(const TDpiUnawareScope&) = delete;

private:
    DPI_AWARENESS_CONTEXT FPrevious = nullptr;
};

}  // namespace wyndrel::win32
