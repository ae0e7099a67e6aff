// The program's private window messages: numbers that other processes and the program's
// own windows rely on, so they never change.
#pragma once

#include <cstdint>

namespace wyndrel::ui {

// Sent by a second start to the first one's main window: show yourself.
inline constexpr std::uint32_t ShowRequestMessage = 4660;  // 0x1234
// The notification area's callback to the tray icon's window.
inline constexpr std::uint32_t TrayCallbackMessage = 1126;
// Posted by a numeric box to itself: show the error of leaving it once the focus has moved.
inline constexpr std::uint32_t NumEditErrorMessage = 0x8000 + 0x0501;  // WM_APP + 0x501

}  // namespace wyndrel::ui
