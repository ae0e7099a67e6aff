// TTaskTray: one icon of the program in the shell's notification area, kept current while
// its image or tip changes, and turning clicks on it into events and popup menus.
#pragma once

#include "platform/desktop.h"
#include "platform/user_interface.h"
#include "widgets/mouse_event.h"
#include "widgets/notify_area.h"

#include <functional>
#include <string>

namespace wyndrel::widgets {

class TTaskTrayRegistry;

// The form that owns a tray icon: brought to the foreground before a button-down is reported,
// so that a menu opened from the handler closes when the user clicks elsewhere.
struct TTrayOwner {
    IDesktop* Desktop = nullptr;
    IUserInterface* UserInterface = nullptr;
    WindowId Form;
};

class TTaskTray {
public:
    using TPopupMenu = std::function<void(Point at)>;
    using TButtonDblClick = std::function<void(TTaskTray& sender, TMouseButton button)>;
    using TMouseMoveEvent = std::function<void(TTaskTray& sender, TShiftState shift, int x, int y)>;
    using TMouseEvent = std::function<void(TTaskTray& sender, TMouseButton button,
                                           TShiftState shift, int x, int y)>;

    // Takes the identifier after the registry's last entry and enters itself there.
    explicit TTaskTray(TTaskTrayRegistry& registry, TTrayOwner owner = {});
    // Removes the icon and frees the identifier.
    ~TTaskTray();
    TTaskTray(const TTaskTray&) = delete;
    TTaskTray& operator=(const TTaskTray&) = delete;

    // Menus popped up at the pointer when the left or right button goes down on the icon.
    void SetPopupMenuL(TPopupMenu menu) { FPopupMenuL = std::move(menu); }
    void SetPopupMenuR(TPopupMenu menu) { FPopupMenuR = std::move(menu); }
    const std::string& TipString() const { return FTipString; }
    void SetTipString(const std::string& value);
    TIconHandle Icon() const { return FIcon; }
    // No image removes the icon from the tray and leaves Registered false.
    void SetIcon(TIconHandle value);
    int IconID() const { return FIconID; }
    void SetIconID(int value);
    // Whether the icon is to be shown in the notification area.
    bool Registered() const { return FRegistered; }
    void SetRegistered(bool value);
    // Whether the icon is in the notification area now.
    bool Added() const { return FAdded; }

    TButtonDblClick OnDblClick;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    // The icon came into the notification area after it was not there.
    std::function<void()> OnIconAdded;

    // Adds the icon, or changes it when it is already in the tray; ETrayRefused when the
    // shell refuses it, and the icon stays registered to be offered again.
    void UpdateIcon();
    void DeleteIcon();
    // After the tray was re-created: the icon is added again if it is registered.
    void AddAgain();

    void DoDblClick(TMouseButton button);
    void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void DoMouseMove(int x, int y);
    void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);

private:
    TNotifyIconData Record() const;
    void MarkAdded();

    TTaskTrayRegistry& FRegistry;
    TTrayOwner FOwner;
    TPopupMenu FPopupMenuL;
    TPopupMenu FPopupMenuR;
    std::string FTipString;
    TIconHandle FIcon;
    int FIconID = 0;
    bool FRegistered = false;
    bool FAdded = false;
};

}  // namespace wyndrel::widgets
