// A window menu in memory, starting with the platform's own entries of a window that can be
// minimised but not resized, so tests read the whole menu after each change.
#pragma once

#include "app/window_menu.h"

#include <set>
#include <vector>

namespace wyndrel::fakes {

class TFakeWindowMenu : public app::IWindowMenu {
public:
    TFakeWindowMenu();

    std::vector<app::TWindowMenuEntry> Entries;
    std::set<std::uint32_t> Checked;
    int Redraws = 0;

    // The ids of the entries, top to bottom.
    std::vector<std::uint32_t> Ids() const;

    void DeleteEntry(std::uint32_t id) override;
    void InsertEntry(int position, const app::TWindowMenuEntry& entry) override;
    void CheckEntry(std::uint32_t id, bool checked) override;
    void Redraw() override { ++Redraws; }
};

}  // namespace wyndrel::fakes
