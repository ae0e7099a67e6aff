// The helps of the sheet "保存時" for writing a date-time definition: the hint memo's lines
// and the insert menu pmInsert with the text each of its entries inserts.
#pragma once

#include "ui/menu_model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wyndrel::dialogs {

// The memo txtDefHint as the dialog fills it: the header and the specifier table, an empty
// line, the closing remarks, then the header and the table once more.
std::vector<std::string> DefinitionHintLines();
// The same lines joined for a multi-line edit.
std::string DefinitionHintText();

// The 29 entries mI00 ... mI28 with their captions, the separator N100 before m24, and a
// second column from mI16 on.
ui::TMenuModel InsertMenu();
// What choosing an entry inserts: its caption up to the first "("; none for an id that is
// no entry of the insert menu.
std::optional<std::string> InsertedText(int menuId);
std::string CaptionBeforeParenthesis(std::string_view caption);

}  // namespace wyndrel::dialogs
