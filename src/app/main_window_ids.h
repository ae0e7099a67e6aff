// Every identifier of the main window in one place: its controls, its popup menus' entries,
// its window-menu commands and its timers. The view, the presenter and the end-to-end tests
// all name them from here.
#pragma once

#include "ui/private_messages.h"

#include <cstdint>

namespace wyndrel::app::ids {

// Controls of the main window, in tab order.
enum TMainControl : int {
    btnRead = 101,
    btnSave = 102,
    btnSituate = 103,
    btnOption = 104,
    btnChangeView = 105,
    btnClose = 106,
    btnReadEnd = 107,
    btnSaveEnd = 108,
    SKGrad = 109,
};

// Entries of the tray menu pupMenu, its submenus, the change-view popup pmChgView and the
// favourites menu. Submenu holders get ids too, so that presenters can find them.
enum TMainMenuItem : int {
    pmBTop = 200,
    pmBNormal = 201,  // the new-editor entries carry tags 0 to 9 in this order
    pmBHtml,
    pmBPerl,
    pmBIni,
    pmBBat,
    pmBCpp,
    pmBJava,
    pmBVB,
    pmBHSP,
    pmBDelphi,
    pmVTop = 220,
    pmVNorm,
    pmVHorz,
    pmVVert,
    pmVIcon,
    pmVMostTop,
    pmMinimize,
    pmAS_Top = 230,
    pmASEnable,
    pmASetInterval,
    pmASaveNow,
    pmAEditList,
    pmAOption,
    pmSTop = 240,
    pmShowWindow,
    pmOption,
    pmAbout,
    pmSituate,
    pmScatter = 250,
    pmPutInOrder,
    pmOpen,
    pmSave,
    pmHelp,
    pmQuit,
    pmLastSession,  // listed directly after pmSave
    mpCVNrml = 260,
    mpCVHorz,
    mpCVVert,
    mpCVIcon,
    mpCVCancel,
    pmFav_Add = 270,
    pmF_None,
};

// Favourite entries are made at run time: the n-th one (from 0) has id FavoriteFirstId + n.
inline constexpr int FavoriteFirstId = 1000;
inline constexpr int FavoriteLastId = 9999;  // the window menu's commands follow

// Commands of the window menu (WM_SYSCOMMAND identifiers) and its separator's id.
enum TWindowMenuCommand : std::uint32_t {
    WindowMenuOptions = 10000,
    WindowMenuAbout = 10001,
    WindowMenuMostTop = 10002,
    WindowMenuScatter = 10003,  // no menu entry: reachable only by the message
    WindowMenuHelp = 10004,
    WindowMenuSeparator = 11000,
};

// Commands that no control or menu entry carries: the auto-save timer's tick, files dropped
// on the window, a close request (close box, Alt+F4, the window menu, a command), the
// tray menu asked for by the gradient bar, the last session offered at the start and kept
// every minute and at the session's end, a change of the displays and its settling.
enum TMainCommand : int {
    cmdAutoSaveTick = 20001,
    cmdDropFiles,
    cmdCloseRequest,
    cmdTrayMenu,
    cmdOfferLastSession,
    cmdKeepLastSession,
    cmdKeepLastSessionAtEnd,
    cmdDisplayChanged,
    cmdDisplaySettled,
};

// Timers of the main window.
enum TMainTimer : int {
    TimAutoSave = 1,
    TimTrayRetry = 2,
    TimLastSession = 3,
    TimDisplaySettle = 4,
};

using ui::ShowRequestMessage;
using ui::TrayCallbackMessage;

}  // namespace wyndrel::app::ids
