// The options dialog's form: the frame (page control and buttons) and its six sheets, each
// sheet a list of controls shown while its tab is selected. Each sheet's table is built in
// a file of its own; the frame puts them together.
#pragma once

#include "ui/form.h"

#include <string>
#include <vector>

namespace wyndrel::dialogs {

struct TOptionSheetSpec {
    std::string Name;     // TabSheet1 … TabSheet6
    std::string Caption;  // the tab's caption
    std::vector<ui::TControlSpec> Controls;
};

// The area inside the page control where every sheet puts its controls, in 96-DPI client
// pixels: the page control's display area less a margin.
inline constexpr int SheetLeft = 16;
inline constexpr int SheetTop = 34;
inline constexpr int SheetRight = 373;
inline constexpr int SheetBottom = 200;
// The general sheet holds more than the others and reaches further down; the page control and
// the dialog are as tall as it needs, the other sheets keep their designed bottom.
inline constexpr int GeneralSheetBottom = 334;

// The dialog's one font and the fixed-pitch font of path and number boxes.
inline constexpr ui::TFontSpec OptionFont{ui::TFontFace::PGothic, 12};
inline constexpr ui::TFontSpec OptionFixedFont{ui::TFontFace::Gothic, 12};

// A control of the dialog in its font.
ui::TControlSpec OptionControl(int id, ui::TControlKind kind, const char* name, const char* caption,
                               const Rect& bounds, const char* hint = "",
                               std::uint32_t flags = ui::NoFlags);

// The sheets in page order, each with its controls.
TOptionSheetSpec GeneralSheet();
TOptionSheetSpec StartupSheet();
TOptionSheetSpec SaveSheet();
TOptionSheetSpec FavoritesSheet();
TOptionSheetSpec AutoSaveListSheet();
TOptionSheetSpec AutoSaveSettingsSheet();
const std::vector<TOptionSheetSpec>& OptionSheets();

// The whole form: the sheets' controls first (so that they lie above the page control),
// then the page control and the buttons.
const ui::TFormSpec& OptionForm();

}  // namespace wyndrel::dialogs
