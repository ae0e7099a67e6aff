// The tray menu's entries and their states.
#include "app/tray_menu.h"

#include "app/main_window_ids.h"

namespace wyndrel::app {
namespace {

using ui::TMenuItem;

TMenuItem NewEditorSubmenu() {
    const char* const captions[] = {"標準(&N)",  "HTML(&H)", "Perl(&P)", "INI(&I)", "BAT(&B)",
                                    "C/C++(&C)", "Java(&J)", "VB(&V)",   "HSP(&S)", "Delphi(&D)"};
    const char* const names[] = {"pmBNormal", "pmBHtml", "pmBPerl", "pmBIni", "pmBBat",
                                 "pmBCpp",    "pmBJava", "pmBVB",   "pmBHSP", "pmBDelphi"};
    std::vector<TMenuItem> items;
    for (int tag = 0; tag < 10; ++tag)
        items.push_back(TMenuItem::Command(ids::pmBNormal + tag, names[tag], captions[tag], tag));
    return TMenuItem::Submenu(ids::pmBTop, "pmBTop", "新規Quillon(&N)", std::move(items));
}

TMenuItem ViewModeSubmenu() {
    return TMenuItem::Submenu(
        ids::pmVTop, "pmVTop", "表示モード(&M)",
        {TMenuItem::Command(ids::pmVNorm, "pmVNorm", "通常化(&N)"),
         TMenuItem::Command(ids::pmVHorz, "pmVHorz", "水平化(&H)"),
         TMenuItem::Command(ids::pmVVert, "pmVVert", "垂直化(&V)"),
         TMenuItem::Command(ids::pmVIcon, "pmVIcon", "アイコン化(&I)"), TMenuItem::Line(),
         TMenuItem::Command(ids::pmVMostTop, "pmVMostTop", "最前面(&T)"),
         TMenuItem::Command(ids::pmMinimize, "pmMinimize", "最小化(&M)")});
}

TMenuItem AutoSaveSubmenu() {
    return TMenuItem::Submenu(
        ids::pmAS_Top, "pmAS_Top", "自動保存(&U)",
        {TMenuItem::Command(ids::pmASEnable, "pmASEnable", "有効にする(&E)"),
         TMenuItem::Command(ids::pmASetInterval, "pmASetInterval", "間隔設定(&I)"),
         TMenuItem::Command(ids::pmASaveNow, "pmASaveNow", "直ちに自動保存(&S)"),
         TMenuItem::Command(ids::pmAEditList, "pmAEditList", "自動保存リスト編集(&L)"),
         TMenuItem::Command(ids::pmAOption, "pmAOption", "自動保存設定(&O)")});
}

TMenuItem ShowSubmenu() {
    return TMenuItem::Submenu(
        ids::pmSTop, "pmSTop", "表示(&V)",
        {TMenuItem::Command(ids::pmShowWindow, "pmShowWindow", "ウィンドウ(&W)"),
         TMenuItem::Command(ids::pmOption, "pmOption", "各種設定(&C)"),
         TMenuItem::Command(ids::pmAbout, "pmAbout", "バージョン情報(&A)"),
         TMenuItem::Command(ids::pmSituate, "pmSituate", "現状表示(&S)")});
}

}  // namespace

ui::TMenuModel TrayMenu() {
    return ui::TMenuModel(
        {NewEditorSubmenu(), ViewModeSubmenu(), AutoSaveSubmenu(), ShowSubmenu(),
         TMenuItem::Line("N6"), TMenuItem::Command(ids::pmScatter, "pmScatter", "散らかす(&/)"),
         TMenuItem::Command(ids::pmPutInOrder, "pmPutInOrder", "お片づけ(&\\)"),
         TMenuItem::Command(ids::pmOpen, "pmOpen", "開く(&O)"),
         TMenuItem::Command(ids::pmSave, "pmSave", "保存(&S)"),
         TMenuItem::Command(ids::pmLastSession, "pmLastSession", "前回のセッションを復元(&L)"),
         TMenuItem::Command(ids::pmHelp, "pmHelp", "ヘルプ(&H)"), TMenuItem::Line("N5"),
         TMenuItem::Command(ids::pmQuit, "pmQuit", "終了(&X)")});
}

void ApplyTrayMenuState(ui::TMenuModel& menu, const TTrayMenuState& state) {
    menu.Item(ids::pmShowWindow).Checked = state.WindowVisible;
    menu.Item(ids::pmMinimize).Enabled = state.WindowVisible;
    menu.Item(ids::pmMinimize).Checked = state.ApplicationMinimized;
    menu.Item(ids::pmPutInOrder).Enabled = state.TemporaryLayoutExists;
    menu.Item(ids::pmASEnable).Checked = state.AutoSaveEnabled;
    menu.Item(ids::pmVMostTop).Checked = state.MostTop;
    menu.Item(ids::pmHelp).Visible = state.HelpFileExists;
    menu.Item(ids::pmLastSession).Enabled = state.LastSessionListed;
}

}  // namespace wyndrel::app
