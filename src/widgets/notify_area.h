// The notification-area port: icons added, changed and removed in the shell's tray, and
// the sink that hears about clicks on them and about the tray being re-created.
#pragma once

#include "platform/types.h"
#include "ui/private_messages.h"

#include <cstdint>
#include <string>

namespace wyndrel::widgets {

// Which parts of an icon's record the shell is to take.
inline constexpr std::uint32_t TrayFlagMessage = 1;
inline constexpr std::uint32_t TrayFlagIcon = 2;
inline constexpr std::uint32_t TrayFlagTip = 4;

// The mouse messages the callback carries as its second parameter.
enum TTrayMouseMessage : std::uint32_t {
    TrayMouseMove = 0x200,
    TrayLButtonDown = 0x201,
    TrayLButtonUp = 0x202,
    TrayLButtonDblClk = 0x203,
    TrayRButtonDown = 0x204,
    TrayRButtonUp = 0x205,
    TrayRButtonDblClk = 0x206,
    TrayMButtonDown = 0x207,
    TrayMButtonUp = 0x208,
};

// An icon image as the platform names it; 0 is no image. Whoever loads it keeps it alive
// while a component shows it.
struct TIconHandle {
    std::uintptr_t Value = 0;
    explicit operator bool() const { return Value != 0; }
    friend bool operator==(TIconHandle, TIconHandle) = default;
};

// One icon's record as the shell receives it.
struct TNotifyIconData {
    int IconId = 0;
    std::uint32_t Flags = 0;
    std::uint32_t CallbackMessage = 0;
    TIconHandle Icon;
    std::string Tip;  // shown only with TrayFlagTip; the adapter fits it to the shell's field
};

// What the notification area reports back to the program.
class INotifyAreaSink {
public:
    virtual ~INotifyAreaSink() = default;
    // The callback message of icon `iconId`: `mouseMessage` happened, the pointer at `cursor`.
    virtual void Dispatch(int iconId, std::uint32_t mouseMessage, Point cursor) = 0;
    // The shell's tray was created again (Explorer restarted): every icon it showed is gone.
    virtual void NotifyAreaRecreated() = 0;
};

class INotifyArea {
public:
    virtual ~INotifyArea() = default;
    // Shell_NotifyIcon with NIM_ADD, NIM_MODIFY and NIM_DELETE and their Boolean results.
    [[nodiscard]] virtual bool Add(const TNotifyIconData& icon) = 0;
    [[nodiscard]] virtual bool Modify(const TNotifyIconData& icon) = 0;
    [[nodiscard]] virtual bool Delete(int iconId) = 0;
    // Where callbacks and re-creations go; null stops them.
    virtual void SetSink(INotifyAreaSink* sink) = 0;
};

}  // namespace wyndrel::widgets
