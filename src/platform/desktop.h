// The desktop port: top-level windows, their classes, children, texts, rectangles and the
// edit-control queries, with the semantics of the Win32 calls they stand for.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace wyndrel {

class IDesktop {
public:
    virtual ~IDesktop() = default;

    // EnumWindows: visits the top-level windows from the top of the Z order down while
    // `visit` returns true. The result is the platform's success flag; a visit that asks
    // to stop ends the enumeration without making it a failure.
    virtual bool EnumerateTopLevelWindows(const std::function<bool(WindowId)>& visit) = 0;

    // GetClassName into a buffer of `limit` characters (at most limit - 1 of the name);
    // no value when the platform cannot tell.
    virtual std::optional<std::string> ClassName(WindowId window, int limit) = 0;

    // FindWindowEx(parent, no child after, className, any title): the first such child.
    virtual WindowId FindChild(WindowId parent, const std::string& className) = 0;

    // WM_GETTEXT with a buffer of `limit` characters: at most limit - 1 characters.
    virtual std::string WindowText(WindowId window, int limit) = 0;

    // EM_GETSEL: the start of the edit control's selection, a character index.
    virtual std::int32_t SelectionStart(WindowId editControl) = 0;

    // GetWindowRect in screen pixels; no value when the window is gone.
    virtual std::optional<Rect> WindowRect(WindowId window) = 0;
};

}  // namespace wyndrel
