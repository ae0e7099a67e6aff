// Identifiers of the options dialog, shared by its view, its presenters and the tests that
// drive it. Each sheet has a block of its own.
#pragma once

namespace wyndrel::dialogs::option_ids {

// The frame.
enum TOptionFrameControl : int {
    PageCtrl = 400,
    btnOK = 401,
    btnCancel = 402,
    btnHelp = 403,
};

// Sheet "一般".
enum TGeneralSheetControl : int {
    Label1 = 410,
    txtQuilPath = 411,
    btnDetect = 412,
    btnBrowse = 413,
    chkIsMostTop = 414,
    chkCloseNoExit = 415,
    chkAddFavMenuOpen = 416,
    Label5 = 417,
    chkStartWithWindows = 418,
    grpLastSession = 419,
    rbLastSessionNone = 420,
    rbLastSessionAsk = 421,
    rbLastSessionRestore = 422,
    chkFollowDisplays = 423,
};

// Sheet "起動時".
enum TStartupSheetControl : int {
    GroupBox1 = 430,
    rbPosLast = 431,
    rbPosAuto = 432,
    rbPosUser = 433,
    rbPosCenter = 434,
    GroupBox2 = 435,
    Label3 = 436,
    numLeft = 437,
    udLeft = 438,
    Label4 = 439,
    numTop = 440,
    udTop = 441,
    btnInsNowPos = 442,
    GroupBox3 = 443,
    rbModeLast = 444,
    rbModeNorm = 445,
    rbModeHorz = 446,
    rbModeVert = 447,
    chkIsIconic = 448,
    chkIsActivate = 449,
    chkIsMinimizeOnStart = 450,
    chkUseDelay = 451,
    numDelay = 452,
    udDelay = 453,
};

// The sheets, by their index in the page control (the value of LastSheet).
enum TOptionSheet : int {
    SheetGeneral = 0,
    SheetStartup = 1,
    SheetSave = 2,
    SheetFavorites = 3,
    SheetAutoSaveList = 4,
    SheetAutoSaveSettings = 5,
    OptionSheetCount = 6,
};

// The first help topic: the sheet at index i has topic HelpTopicBase + i.
inline constexpr int HelpTopicBase = 21;

}  // namespace wyndrel::dialogs::option_ids
