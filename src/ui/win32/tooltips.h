// The hints of a window's controls: one tooltip window per form, owned by the form's window
// (it goes when the window goes), one tool per control with a hint.
#pragma once

#include "platform/win32/windows_header.h"

#include <string>

namespace wyndrel::ui::win32 {

// How long a hint stays up, as the program's start-up sets it.
inline constexpr int HintDisplayMs = 10000;

class TTooltips {
public:
    // Creates the tooltip window for `form` at `dpi`; nothing when it already exists.
    void Create(HWND form, int dpi);
    // Adds `control`'s hint; its "\r" line breaks become line breaks of the tooltip.
    void Add(HWND control, const std::string& hint);
    // The widest a hint line gets before it wraps, at the new DPI.
    void Rescale(int dpi);
    HWND Handle() const { return FTooltip; }

private:
    HWND FForm = nullptr;
    HWND FTooltip = nullptr;  // owned by FForm's window, not by this object
};

}  // namespace wyndrel::ui::win32
