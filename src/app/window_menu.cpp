// The window-menu table of the main window.
#include "app/window_menu.h"

#include <array>

namespace wyndrel::app {
using namespace ids;

namespace {

struct TPlacedEntry {
    int Position;
    TWindowMenuEntry Entry;
};

const std::array<TPlacedEntry, 5> WindowMenuTable{{
    {5, {WindowMenuSeparator, "", true}},
    {6, {WindowMenuOptions, "各種設定(&O)...", false}},
    {7, {WindowMenuAbout, "バージョン情報(&A)...", false}},
    {8, {WindowMenuMostTop, "最前面(&M)", false}},
    {9, {WindowMenuHelp, "ヘルプ(&H)", false}},
}};

}  // namespace

void RefreshWindowMenu(IWindowMenu& menu, bool helpFileExists) {
    for (std::uint32_t id : {WindowMenuMostTop, WindowMenuAbout, WindowMenuOptions,
                             WindowMenuSeparator, WindowMenuHelp})
        menu.DeleteEntry(id);
    menu.Redraw();
    for (const TPlacedEntry& placed : WindowMenuTable) {
        if (placed.Entry.Id == WindowMenuHelp && !helpFileExists) continue;
        menu.InsertEntry(placed.Position, placed.Entry);
    }
    menu.Redraw();
}

}  // namespace wyndrel::app
