// InsertMenuItemW from the model, TrackPopupMenuEx with the chosen command returned.
#include "ui/win32/popup_menu.h"

#include "platform/win32/last_error.h"
#include "platform/win32/wide_string.h"

#include <string>
#include <vector>

namespace wyndrel::ui::win32 {
namespace {

// A menu takes every "&" as a mnemonic mark; "&&" shows one "&".
std::string LiteralCaption(const std::string& caption) {
    std::string doubled;
    for (char c : caption) {
        doubled += c;
        if (c == '&') doubled += '&';
    }
    return doubled;
}

void AppendItems(HMENU menu, const std::vector<TMenuItem>& items) {
    UINT position = 0;
    for (const TMenuItem& item : items) {
        if (!item.Visible) continue;  // platform menus have no hidden entries
        std::wstring caption =
            wyndrel::win32::Widen(item.Literal ? LiteralCaption(item.Caption) : item.Caption);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        info.fType = item.Separator ? MFT_SEPARATOR : MFT_STRING;
        if (item.ColumnBreak) info.fType |= MFT_MENUBREAK;
        info.fState = (item.Enabled ? MFS_ENABLED : MFS_DISABLED) |
                      (item.Checked ? MFS_CHECKED : MFS_UNCHECKED);
        info.wID = static_cast<UINT>(item.Id);
        info.dwItemData = static_cast<ULONG_PTR>(static_cast<LONG_PTR>(item.Tag));
        if (!item.Separator) {
            info.fMask |= MIIM_STRING;
            info.dwTypeData = caption.data();
        }
        wyndrel::win32::TUniqueMenu submenu;
        if (!item.Items.empty()) {
            submenu.Reset(::CreatePopupMenu());
            AppendItems(submenu.Get(), item.Items);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = submenu.Get();
        }
        if (!::InsertMenuItemW(menu, position++, TRUE, &info))
            wyndrel::win32::ThrowLastError("InsertMenuItemW");
        submenu.Release();  // now destroyed with its parent menu
    }
}

}  // namespace

wyndrel::win32::TUniqueMenu BuildPopupMenu(const TMenuModel& model) {
    wyndrel::win32::TUniqueMenu menu(::CreatePopupMenu());
    if (!menu) wyndrel::win32::ThrowLastError("CreatePopupMenu");
    AppendItems(menu.Get(), model.Items);
    return menu;
}

std::optional<int> TrackPopup(HWND owner, const TMenuModel& model, Point screenPoint) {
    wyndrel::win32::TUniqueMenu menu = BuildPopupMenu(model);
    // A popup closes on a click elsewhere only when its owner is the foreground window; the
    // null message afterwards lets the menu's loop end (documented for notification icons).
    ::SetForegroundWindow(owner);
    const UINT flags = TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_TOPALIGN |
                       (model.AlignRight ? TPM_RIGHTALIGN : TPM_LEFTALIGN);
    BOOL chosen =
        ::TrackPopupMenuEx(menu.Get(), flags, screenPoint.X, screenPoint.Y, owner, nullptr);
    ::PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen == 0) return std::nullopt;
    return static_cast<int>(chosen);
}

}  // namespace wyndrel::ui::win32
