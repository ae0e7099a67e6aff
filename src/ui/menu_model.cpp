// Building and searching menu models.
#include "ui/menu_model.h"

#include <stdexcept>

namespace wyndrel::ui {
namespace {

template <typename Item, typename Match>
Item* FindIn(std::vector<Item>& items, const Match& match) {
    for (Item& item : items) {
        if (match(item)) return &item;
        if (Item* found = FindIn(item.Items, match)) return found;
    }
    return nullptr;
}

template <typename Item, typename Match>
const Item* FindIn(const std::vector<Item>& items, const Match& match) {
    return FindIn(const_cast<std::vector<Item>&>(items), match);
}

}  // namespace

TMenuItem TMenuItem::Command(int id, std::string name, std::string caption, int tag) {
    TMenuItem item;
    item.Id = id;
    item.Name = std::move(name);
    item.Caption = std::move(caption);
    item.Tag = tag;
    return item;
}

TMenuItem TMenuItem::Submenu(int id, std::string name, std::string caption,
                             std::vector<TMenuItem> items) {
    TMenuItem item = Command(id, std::move(name), std::move(caption));
    item.Items = std::move(items);
    return item;
}

TMenuItem TMenuItem::Line(std::string name) {
    TMenuItem item;
    item.Name = std::move(name);
    item.Separator = true;
    return item;
}

TMenuItem* TMenuModel::Find(int id) {
    return FindIn(Items, [id](const TMenuItem& item) { return item.Id == id && id != 0; });
}
const TMenuItem* TMenuModel::Find(int id) const {
    return FindIn(Items, [id](const TMenuItem& item) { return item.Id == id && id != 0; });
}
TMenuItem* TMenuModel::Find(const std::string& name) {
    return FindIn(Items,
                  [&name](const TMenuItem& item) { return item.Name == name && !name.empty(); });
}
const TMenuItem* TMenuModel::Find(const std::string& name) const {
    return FindIn(Items,
                  [&name](const TMenuItem& item) { return item.Name == name && !name.empty(); });
}

TMenuItem& TMenuModel::Item(int id) {
    if (TMenuItem* item = Find(id)) return *item;
    throw std::out_of_range("no menu entry with id " + std::to_string(id));
}

TMenuItem& TMenuModel::Item(const std::string& name) {
    if (TMenuItem* item = Find(name)) return *item;
    throw std::out_of_range("no menu entry named " + name);
}

}  // namespace wyndrel::ui
