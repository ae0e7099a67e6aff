// The generic binder of a form: creates the controls of a form table on a window, keeps
// control ids to handles, scales every rectangle and font by the window's DPI, and turns
// control notifications into typed events.
#pragma once

#include "platform/win32/windows_header.h"
#include "ui/form.h"
#include "ui/view.h"
#include "ui/win32/control_behaviours.h"
#include "ui/win32/font_cache.h"
#include "ui/win32/tooltips.h"

#include <map>
#include <optional>

namespace wyndrel::ui::win32 {

class TFormBinder {
public:
    explicit TFormBinder(TFormSpec form);

    // Where numeric boxes and file-drop controls report (see TControlBehaviours); set before
    // CreateControls by a window whose table has such controls.
    void Connect(IView& view, IFormEvents* events, IUserInterface* ui) {
        FBehaviours.Connect(view, events, ui);
    }

    // Creates the controls on `window` in table order (the tab order), with their fonts and
    // hints, at the window's DPI, and sizes the window to the form's client size.
    void CreateControls(HWND window);
    // WM_DPICHANGED: places the window at the platform's suggestion and scales everything
    // to the new DPI.
    void OnDpiChanged(WPARAM wParam, LPARAM lParam);
    // Scales every control and the client size to `dpi` (exactly the table's values at 96).
    void Rescale(int dpi);

    // The control's handle; nullptr for an id the form does not have.
    HWND Control(int id) const;
    // The id of a control of this form, or none.
    std::optional<int> IdOf(HWND control) const;
    const TControlSpec* Spec(int id) const { return FForm.Find(id); }
    const TFormSpec& Form() const { return FForm; }
    HWND Window() const { return FWindow; }
    int Dpi() const { return FDpi; }
    const TTooltips& Tooltips() const { return FTooltips; }
    TTooltips& Tooltips() { return FTooltips; }
    // The numeric box or file-drop control `id`; nullptr for other controls.
    TNumEditControl* NumEdit(int id) const { return FBehaviours.NumEdit(id); }
    TFileDropControl* FileDrop(int id) const { return FBehaviours.FileDrop(id); }

    // Rectangles in 96-DPI client pixels: what the view reads and writes, and what rescaling
    // starts from. FormId names the client size.
    Rect LogicalBounds(int id) const;
    void SetLogicalBounds(int id, const Rect& bounds);

    // The typed event of a WM_COMMAND from a control of this form (or from a menu or an
    // accelerator, as a click); none for notifications the program does not use.
    std::optional<TControlEvent> Translate(WPARAM wParam, LPARAM lParam) const;
    // The typed event of a WM_NOTIFY from a control of this form (a list view's double
    // click); none for the others.
    std::optional<TControlEvent> TranslateNotify(const NMHDR& header) const;
    // WM_SIZE: the user sized the window; the client size at 96 DPI follows.
    void OnClientResized(int width, int height);

private:
    void Place(int id);
    void ResizeWindow(const RECT* suggested);

    TFormSpec FForm;
    TFontCache FFonts;
    TTooltips FTooltips;
    TControlBehaviours FBehaviours;
    HWND FWindow = nullptr;
    int FDpi = 96;
    std::map<int, HWND> FControls;
    std::map<int, Rect> FBounds;
};

}  // namespace wyndrel::ui::win32
