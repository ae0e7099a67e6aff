// The main window's shapes, icon mode, most-top and the gradient bar's colours and mouse.
#include "app/main_window.h"

#include "app/main_window_ids.h"

namespace wyndrel::app {

void TfrmWyndrel::SetViewMode(TViewMode mode) {
    const TMainWindowArrangement& shape = ArrangeMainWindow(mode);
    FViewMode = mode;
    FGrad.SetVisible(false);
    // The border change may re-create what the shell knows of the window; the tray icon
    // goes before it and comes back after.
    FTray.SetRegistered(false);
    // The window's text stays the application title in every shape: the window is its own
    // taskbar entry, and a shape without a title bar shows none of the text.
    FPorts.Frame.SetTitleBar(shape.TitleBar);
    FPorts.View.SetBounds(ui::FormId, {0, 0, shape.ClientWidth, shape.ClientHeight});
    if (shape.GradientBarVisible) {
        FGrad.SetBounds(GradientBarBounds.Left, GradientBarBounds.Top, GradientBarBounds.Width(),
                        GradientBarBounds.Height());
        FGrad.SetVisible(true);
    }
    for (const TPlacedButton& button : shape.Buttons)
        FPorts.View.SetBounds(FForm.Find(button.Name)->Id, button.Bounds);
    for (const TButtonCaption& caption : shape.Captions)
        FPorts.View.SetText(FForm.Find(caption.Name)->Id, caption.Caption);
    ShowTrayIcon();
}

void TfrmWyndrel::ChooseViewMode(TViewMode mode) {
    FShownForMissingIcon = false;
    SetViewMode(mode);
    FPorts.View.Show();
}

// The shape stays as it is, so showing the window again shows it as it was.
void TfrmWyndrel::ChooseIconMode() {
    if (!FTray.Registered()) ShowTrayIcon();
    HideToTray();
}

void TfrmWyndrel::ToggleMinimized() {
    if (FPorts.Frame.ApplicationMinimized())
        FPorts.Frame.RestoreApplication();
    else
        FPorts.Frame.MinimizeApplication();
}

void TfrmWyndrel::ToggleVisible() {
    if (FPorts.View.Visible(ui::FormId))
        FPorts.View.Hide();
    else
        FPorts.View.Show();
}

void TfrmWyndrel::OnChangeViewPopup() {
    ui::TMenuModel menu = ChangeViewMenu();
    FCommands.DisableUnavailable(menu);
    auto chosen = FPorts.View.TrackPopup(menu, FPorts.Frame.CursorPos());
    if (chosen) FCommands.Dispatch(*chosen);
}

ui::TMenuModel TfrmWyndrel::ChangeViewMenu() {
    using ui::TMenuItem;
    return ui::TMenuModel({TMenuItem::Command(ids::mpCVNrml, "mpCVNrml", "通常化(&N)"),
                           TMenuItem::Command(ids::mpCVHorz, "mpCVHorz", "水平化(&H)"),
                           TMenuItem::Command(ids::mpCVVert, "mpCVVert", "垂直化(&V)"),
                           TMenuItem::Command(ids::mpCVIcon, "mpCVIcon", "アイコン化(&I)"),
                           TMenuItem::Line(),
                           TMenuItem::Command(ids::mpCVCancel, "mpCVCancel", "キャンセル")});
}

// Lasts for this run only: the next start follows IsMostTop again.
void TfrmWyndrel::SetMostTop(bool on) {
    FMostTop = on;
    FPorts.Frame.SetTopMost(on);
    FPorts.Frame.WindowMenu().CheckEntry(ids::WindowMenuMostTop, on);
}

void TfrmWyndrel::OnGradMouseDown(widgets::TMouseButton button) {
    if (button == widgets::TMouseButton::mbLeft) FPorts.Frame.DragByCaption();
}

// The chosen command runs after the menu has closed, as a menu's command message would.
void TfrmWyndrel::OnGradMouseUp(widgets::TMouseButton button) {
    if (button == widgets::TMouseButton::mbRight) FCommands.Dispatch(ids::cmdTrayMenu);
}

// The auto-save timer skips its passes while the menu is open.
std::optional<int> TfrmWyndrel::TrackMenu(ui::TMenuModel menu) {
    FCommands.DisableUnavailable(menu);
    Point at = FPorts.Frame.CursorPos();
    FMenuShowing = true;
    std::optional<int> chosen;
    try {
        chosen = FPorts.View.TrackPopup(menu, at);
    } catch (...) {
        FMenuShowing = false;
        throw;
    }
    FMenuShowing = false;
    return chosen;
}

void TfrmWyndrel::SetTitleColors(TCaptionColor start, TCaptionColor end, bool blackFallback) {
    std::uint32_t startColor = FPorts.Frame.CaptionColor(start);
    std::uint32_t endColor = FPorts.Frame.CaptionColor(end);
    if (blackFallback && endColor == 0) endColor = startColor;
    FGrad.SetStartColor(startColor);
    FGrad.SetEndColor(endColor);
}

void TfrmWyndrel::AppEventsActivate() {
    if (FActivateAttached)
        SetTitleColors(TCaptionColor::Active, TCaptionColor::GradientActive, true);
}

void TfrmWyndrel::AppEventsDeactivate() {
    SetTitleColors(TCaptionColor::Inactive, TCaptionColor::GradientInactive, true);
}

// Other windows of the program keep the bar inactive while they are active.
void TfrmWyndrel::DeactivateTitleColors() {
    SetTitleColors(TCaptionColor::Inactive, TCaptionColor::GradientInactive, false);
    FActivateAttached = false;
}

void TfrmWyndrel::ActivateTitleColors() {
    SetTitleColors(TCaptionColor::Active, TCaptionColor::GradientActive, false);
    FActivateAttached = true;
}

}  // namespace wyndrel::app
