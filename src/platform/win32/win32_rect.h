// The platform's RECT and the program's Rect: the same four edges, spelled once.
#pragma once

#include "platform/types.h"
#include "platform/win32/windows_header.h"

namespace wyndrel::win32 {

inline Rect ToRect(const RECT& rect) { return Rect{rect.left, rect.top, rect.right, rect.bottom}; }
inline RECT ToRECT(const Rect& rect) { return RECT{rect.Left, rect.Top, rect.Right, rect.Bottom}; }

}  // namespace wyndrel::win32
