// The hints of a window's controls: one tooltip window per form, owned by the form's window
// (it goes when the window goes), one tool per control with a hint.
#pragma once

#include "platform/win32/windows_header.h"

#include <set>
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
    // The hint of an area of the form's own client area, something drawn on the form without
    // a window of its own, known as `id` among the form's areas (a small number, which no
    // control's handle is); added the first time, moved and retold after. An empty area
    // shows no hint.
    void SetArea(UINT_PTR id, const RECT& area, const std::string& hint);
    // The widest a hint line gets before it wraps, at the new DPI.
    void Rescale(int dpi);
    HWND Handle() const { return FTooltip; }

private:
    HWND FForm = nullptr;
    HWND FTooltip = nullptr;  // owned by FForm's window, not by this object
    std::set<UINT_PTR> FAreas;
};

}  // namespace wyndrel::ui::win32
