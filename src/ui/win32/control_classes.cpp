// Class names and styles of the standard controls.
#include "ui/win32/control_classes.h"

#include "platform/win32/wide_string.h"

namespace wyndrel::ui::win32 {
namespace {

TControlClass KindClass(const TControlSpec& spec) {
    switch (spec.Kind) {
        case TControlKind::Button:
            return {L"BUTTON", static_cast<DWORD>(spec.Has(DefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP, 0};
        case TControlKind::CheckBox: return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case TControlKind::RadioButton:
            // The dialog manager moves between radio buttons with the arrows; Tab reaches
            // only the first of a group.
            return {L"BUTTON", BS_AUTORADIOBUTTON | (spec.Has(GroupStart) ? WS_GROUP | WS_TABSTOP : 0u), 0};
        case TControlKind::Edit: {
            DWORD style = ES_AUTOHSCROLL | WS_TABSTOP;
            if (spec.Has(MultiLine)) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
            if (spec.Has(ReadOnly)) style |= ES_READONLY;
            return {L"EDIT", style, WS_EX_CLIENTEDGE};
        }
        case TControlKind::Label: return {L"STATIC", SS_LEFT, 0};
        case TControlKind::ListBox:
            return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case TControlKind::ComboBox: return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
        case TControlKind::GroupBox: return {L"BUTTON", BS_GROUPBOX, 0};
        case TControlKind::ListView:
            // Read-only (no label editing), one row at a time, headers that do not sort.
            return {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
        case TControlKind::Custom: break;
    }
    return {wyndrel::win32::Widen(spec.ClassName), 0, 0};
}

}  // namespace

TControlClass ControlClass(const TControlSpec& spec) {
    TControlClass result = KindClass(spec);
    result.Style |= WS_CHILD;
    if (!spec.Has(Hidden)) result.Style |= WS_VISIBLE;
    if (spec.Has(Disabled)) result.Style |= WS_DISABLED;
    if (spec.Has(NoTabStop)) result.Style &= ~static_cast<DWORD>(WS_TABSTOP);
    return result;
}

}  // namespace wyndrel::ui::win32
