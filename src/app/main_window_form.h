// The main window's form table: its eight buttons with their hints, in tab order, placed
// for the normal shape; every shape change places them again.
#pragma once

#include "ui/form.h"

namespace wyndrel::app {

ui::TFormSpec MainWindowForm();

// The gradient bar's hint; the bar stands in for the title bar in the vertical shape.
inline constexpr const char* GradientBarHint =
    "Wyndrel\r垂直モードでは、このバーを右クリックすると\rタスクトレイのアイコンと同じメニューが出"
    "てきます。";
// The tip of the tray icon and the icon's identifier.
inline constexpr const char* TrayTip = "Quillonデスクトップレイアウトキーパー";
inline constexpr int TrayIconId = 2;
// Where the window is built, before the start position applies.
inline constexpr Point BuiltInPosition{253, 100};

}  // namespace wyndrel::app
