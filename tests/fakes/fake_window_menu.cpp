// The fake window menu. Like DeleteMenu, a delete removes the first entry with the id.
#include "fakes/fake_window_menu.h"

#include <algorithm>

namespace wyndrel::fakes {

// SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, a separator, SC_CLOSE.
TFakeWindowMenu::TFakeWindowMenu()
    : Entries{{0xF120, "Restore", false},  {0xF010, "Move", false},     {0xF000, "Size", false},
              {0xF020, "Minimize", false}, {0xF030, "Maximize", false}, {0, "", true},
              {0xF060, "Close", false}} {}

std::vector<std::uint32_t> TFakeWindowMenu::Ids() const {
    std::vector<std::uint32_t> ids;
    for (const auto& entry : Entries) ids.push_back(entry.Id);
    return ids;
}

void TFakeWindowMenu::DeleteEntry(std::uint32_t id) {
    auto found = std::find_if(Entries.begin(), Entries.end(),
                              [id](const auto& entry) { return entry.Id == id; });
    if (found != Entries.end()) Entries.erase(found);
}

void TFakeWindowMenu::InsertEntry(int position, const app::TWindowMenuEntry& entry) {
    auto at = position < 0 || position > static_cast<int>(Entries.size())
                  ? Entries.end()
                  : Entries.begin() + position;
    Entries.insert(at, entry);
}

void TFakeWindowMenu::CheckEntry(std::uint32_t id, bool checked) {
    if (checked)
        Checked.insert(id);
    else
        Checked.erase(id);
}

}  // namespace wyndrel::fakes
