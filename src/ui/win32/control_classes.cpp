// Class names and styles of the standard controls.
#include "ui/win32/control_classes.h"

#include "platform/win32/wide_string.h"

namespace wyndrel::ui::win32 {
namespace {

TControlClass KindClass(const TControlSpec& spec) {
    switch (spec.Kind) {
        case TControlKind::Button:
            return {L"BUTTON",
                    static_cast<DWORD>(spec.Has(DefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                        WS_TABSTOP,
                    0};
        case TControlKind::CheckBox:
            return {L"BUTTON",
                    BS_AUTOCHECKBOX | WS_TABSTOP |
                        (spec.Has(MultiLine) ? static_cast<DWORD>(BS_MULTILINE) : 0u),
                    0};
        case TControlKind::RadioButton:
            // The dialog manager moves between radio buttons with the arrows; Tab reaches
            // only the first of a group.
            return {L"BUTTON", BS_AUTORADIOBUTTON | (spec.Has(GroupStart) ? WS_TABSTOP : 0u), 0};
        case TControlKind::NumEdit:
            return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | AlignmentStyle(spec.NumEdit.Alignment),
                    WS_EX_CLIENTEDGE};
        case TControlKind::Edit:
        case TControlKind::FileDropEdit: {
            DWORD style = ES_AUTOHSCROLL | WS_TABSTOP;
            if (spec.Has(MultiLine))
                style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
            if (spec.Has(HorzScroll)) style |= WS_HSCROLL;
            if (spec.Has(ReadOnly)) style |= ES_READONLY;
            if (spec.Has(RightAligned)) style |= ES_RIGHT;
            return {L"EDIT", style, WS_EX_CLIENTEDGE};
        }
        case TControlKind::Label:
            // A label with a hint hears the mouse, so that its tooltip shows.
            return {L"STATIC", SS_LEFT | (spec.Hint.empty() ? 0u : static_cast<DWORD>(SS_NOTIFY)),
                    0};
        case TControlKind::ListBox:
        case TControlKind::FileDropListBox:
            return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
        case TControlKind::ComboBox:
            return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
        // A group box ends the radio group before it.
        case TControlKind::GroupBox:
            return {L"BUTTON", BS_GROUPBOX | WS_GROUP, 0};
        case TControlKind::ListView:
            // Read-only (no label editing), one row at a time, headers that do not sort.
            return {WC_LISTVIEWW,
                    LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
        case TControlKind::TabControl:
            // Clipped by the sheets' controls lying above it, so it never paints over them.
            return {WC_TABCONTROLW, WS_TABSTOP | WS_CLIPSIBLINGS, 0};
        case TControlKind::UpDown:
            // The Up and Down keys in the buddy box step it like the arrows.
            return {UPDOWN_CLASSW,
                    UDS_ARROWKEYS | UDS_SETBUDDYINT |
                        (spec.UpDown.Thousands ? 0u : static_cast<DWORD>(UDS_NOTHOUSANDS)),
                    0};
        case TControlKind::Custom:
            break;
    }
    return {wyndrel::win32::Widen(spec.ClassName), 0, 0};
}

}  // namespace

DWORD AlignmentStyle(TAlignment alignment) {
    switch (alignment) {
        case TAlignment::RightJustify:
            return ES_RIGHT;
        case TAlignment::Center:
            return ES_CENTER;
        case TAlignment::LeftJustify:
            break;
    }
    return ES_LEFT;
}

TControlClass ControlClass(const TControlSpec& spec) {
    TControlClass result = KindClass(spec);
    result.Style |= WS_CHILD;
    if (!spec.Has(Hidden)) result.Style |= WS_VISIBLE;
    if (spec.Has(Disabled)) result.Style |= WS_DISABLED;
    if (spec.Has(GroupStart)) result.Style |= WS_GROUP;
    if (spec.Has(NoTabStop)) result.Style &= ~static_cast<DWORD>(WS_TABSTOP);
    return result;
}

}  // namespace wyndrel::ui::win32
