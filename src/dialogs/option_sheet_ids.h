// Identifiers of the options dialog's sheets "保存時", "お気に入り", "自動保存1" and "自動保存2":
// their controls and the insert menu's entries, shared by the views, the presenters and the
// tests that drive them.
#pragma once

namespace wyndrel::dialogs::option_ids {

// Sheet "保存時", in tab order.
enum TSaveSheetControl : int {
    chkUseDefFileName = 701,
    GroupDefFileName,
    Label2,
    txtFileDef,
    btnInsTimeDef,
    Label6,
    txtPreview,
    txtDefHint,
};

// Sheet "お気に入り", in tab order.
enum TFavoritesSheetControl : int {
    lbFavorites = 721,
    txtFavPre,
    btnFav_Clear,
    btnFav_Add,
    btnFav_Del,
    btnFav_Up,
    btnFav_Down,
    btnFav_ExistChk,
    btnFav_Save,
};

// Sheet "自動保存1", in tab order.
enum TAutoSaveListSheetControl : int {
    lbAutoSave = 741,
    txtASPre,
    btnAS_Clear,
    btnAS_Add,
    btnAS_Del,
    btnAS_Up,
    btnAS_Down,
    btnAS_ExistsChk,
    btnAS_Save,
};

// Sheet "自動保存2", in tab order.
enum TAutoSaveSettingsSheetControl : int {
    GroupBox4 = 761,
    rbAS_E_OFF,
    rbAS_E_LAST,
    rbAS_E_ON,
    GroupBox5,
    rbASType_Old,
    rbASType_New,
    btnASTyeDetect,
    Label8,
    numAS_Delay,
    udAS_Delay,
    Label7,
    chkASForAll,
};

// The insert menu pmInsert: mI00 ... mI28 in menu order (m24 among them); its separator
// chooses nothing and has no id.
inline constexpr int InsertMenuFirstItem = 781;
inline constexpr int InsertMenuItemCount = 29;

}  // namespace wyndrel::dialogs::option_ids
