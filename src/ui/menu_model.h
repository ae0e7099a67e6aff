// Menus as data: a presenter builds and updates a popup menu here, the view turns it into
// a platform menu only while it is shown, and tests read the states straight from it.
#pragma once

#include <string>
#include <vector>

namespace wyndrel::ui {

struct TMenuItem {
    int Id = 0;  // what a chosen entry reports; entries that can be chosen need one other than 0
    std::string Name;
    std::string Caption;
    int Tag = 0;
    bool Enabled = true;
    bool Checked = false;
    bool Visible = true;
    bool Separator = false;
    bool ColumnBreak = false;      // starts a new column
    bool Literal = false;          // the caption shown as written: "&" marks no mnemonic
    std::vector<TMenuItem> Items;  // a submenu when not empty

    static TMenuItem Command(int id, std::string name, std::string caption, int tag = 0);
    static TMenuItem Submenu(int id, std::string name, std::string caption,
                             std::vector<TMenuItem> items);
    static TMenuItem Line(std::string name = {});

    friend bool operator==(const TMenuItem&, const TMenuItem&) = default;
};

class TMenuModel {
public:
    TMenuModel() = default;
    explicit TMenuModel(std::vector<TMenuItem> items) : Items(std::move(items)) {}

    // Searched through every submenu; nullptr when there is none.
    TMenuItem* Find(int id);
    const TMenuItem* Find(int id) const;
    TMenuItem* Find(const std::string& name);
    const TMenuItem* Find(const std::string& name) const;

    // Like Find, but a missing entry is a programming error: throws std::out_of_range.
    TMenuItem& Item(int id);
    TMenuItem& Item(const std::string& name);

    std::vector<TMenuItem> Items;
    bool AlignRight = false;  // opened with its right edge, not its left, at the point
};

}  // namespace wyndrel::ui
