// The tray icon's properties, its add-or-modify and delete, and its mouse events.
#include "widgets/task_tray.h"

#include "platform/go_on_regardless.h"
#include "widgets/invalid_operation.h"
#include "widgets/task_tray_registry.h"

namespace wyndrel::widgets {

namespace {
const char* const CannotRegister = "タスクトレイに登録できません";
const char* const NoIcon = "アイコンが指定されていません";
const char* const NotPositive = "0以下は指定できません";
const char* const DuplicateId = "同じアイコン識別子が有ります";
}  // namespace

TTaskTray::TTaskTray(TTaskTrayRegistry& registry, TTrayOwner owner)
    : FRegistry(registry), FOwner(owner), FIconID(registry.NextIconID()) {
    FRegistry.Enter(FIconID, *this);
}

TTaskTray::~TTaskTray() {
    DeleteIcon();
    FRegistry.Leave(*this);
}

void TTaskTray::SetTipString(const std::string& value) {
    if (FTipString == value) return;
    FTipString = value;
    UpdateIcon();
}

void TTaskTray::SetIcon(TIconHandle value) {
    if (FIcon == value) return;
    FIcon = value;
    if (FIcon) {
        UpdateIcon();
    } else {
        DeleteIcon();
    }
}

void TTaskTray::SetRegistered(bool value) {
    if (FRegistered == value) return;
    if (value) {
        if (!FIcon) throw EInvalidOperation(NoIcon);
        FRegistered = true;
        UpdateIcon();
    } else {
        DeleteIcon();
    }
    FRegistered = value;
}

void TTaskTray::SetIconID(int value) {
    if (value <= 0) throw EInvalidOperation(NotPositive);
    if (value == FIconID) return;
    if (FRegistry.Contains(value)) throw EInvalidOperation(DuplicateId);
    if (FRegistered) {
        // The icon leaves the tray under its old identifier and comes back under the new one.
        DeleteIcon();
        FRegistered = true;
    }
    FRegistry.Rename(*this, value);
    FIconID = value;
    UpdateIcon();
}

TNotifyIconData TTaskTray::Record() const {
    TNotifyIconData record;
    record.IconId = FIconID;
    record.Flags = TrayFlagMessage | TrayFlagIcon | (FTipString.empty() ? 0 : TrayFlagTip);
    record.CallbackMessage = ui::TrayCallbackMessage;
    record.Icon = FIcon;
    record.Tip = FTipString;
    return record;
}

void TTaskTray::UpdateIcon() {
    if (!FRegistered) return;
    INotifyArea& area = FRegistry.Area();
    bool accepted = FAdded ? area.Modify(Record()) : area.Add(Record());
    // A refusal keeps the added flag as it was, so the next update tries the same call again.
    if (!accepted) throw ETrayRefused(CannotRegister);
    MarkAdded();
}

void TTaskTray::MarkAdded() {
    bool arrived = !FAdded;
    FAdded = true;
    if (arrived && OnIconAdded) OnIconAdded();
}

void TTaskTray::DeleteIcon() {
    // An icon the shell has lost already (its tray re-created without it) is gone either way.
    if (FAdded) GoOnRegardless(FRegistry.Area().Delete(FIconID));
    FAdded = false;
    FRegistered = false;
}

void TTaskTray::AddAgain() {
    if (!FRegistered) return;
    FAdded = false;
    INotifyArea& area = FRegistry.Area();
    // The re-creation message can also come from a program that sends it without the tray
    // having gone; the icon then is still there and only takes the change.
    if (!area.Add(Record()) && !area.Modify(Record())) throw ETrayRefused(CannotRegister);
    MarkAdded();
}

void TTaskTray::DoDblClick(TMouseButton button) {
    if (OnDblClick) OnDblClick(*this, button);
}

void TTaskTray::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (FOwner.Desktop && FOwner.Form) {
        RequestForeground(*FOwner.Desktop, FOwner.Form);
        if (FOwner.UserInterface) FOwner.UserInterface->ProcessMessages();
    }
    if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
    // Menus open on button down, after the handler has run.
    if (button == TMouseButton::mbLeft && FPopupMenuL) FPopupMenuL(Point{x, y});
    if (button == TMouseButton::mbRight && FPopupMenuR) FPopupMenuR(Point{x, y});
}

void TTaskTray::DoMouseMove(int x, int y) {
    if (OnMouseMove) OnMouseMove(*this, 0, x, y);
}

void TTaskTray::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}

}  // namespace wyndrel::widgets
