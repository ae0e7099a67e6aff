// TdlgOption, the options dialog's presenter: the frame's creation, showing, OK, Cancel,
// closing, help, sheet switching and the mouse wheel on up-downs. The sheets' own buttons
// are handled by one presenter per sheet; what the dialog loads and stores is in
// option_dialog_settings.cpp, in the order it is read and written.
#pragma once

#include "dialogs/option_general_sheet.h"
#include "dialogs/option_sheets.h"
#include "dialogs/option_startup_sheet.h"
#include "platform/files.h"
#include "platform/help_file.h"
#include "platform/start_with_windows.h"
#include "platform/timer.h"
#include "platform/user_interface.h"
#include "settings/ini_access.h"
#include "settings/settings_writer.h"
#include "ui/view.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace wyndrel::dialogs {

inline constexpr const char* OptionCaptionOwnerError = "設定(Error:OwnerがTFormではありません)";
inline constexpr const char* OptionOwnerErrorText =
    "エラーが発生しました。このエラーを作者に報告してください。\r「設定ダイアログのオーナーがTForm"
    "ではない」のエラー"
    "が発生しました。";
inline constexpr const char* SaveFavoritesQuestion = "お気に入りリストへの変更を保存しますか?";
inline constexpr const char* SaveAutoSaveQuestion = "自動保存リストへの変更を保存しますか?";
inline constexpr const char* InvalidEditorPathFormat =
    "入力されたQuillonのフルパスは無効です。\r\r入力されたパス：\r%s";
inline constexpr const char* NotEditorFileFormat =
    "入力されたファイル名はQuillonではないようです。\rこのソフトウェアはQuillonにしか対応していませ"
    "ん。\r\r"
    "入力されたファイル名：\r%s";
inline constexpr const char* IntervalOutOfRangeText =
    "自動保存の間隔は1～86400秒の範囲で入力して下さい。";
inline constexpr const char* StartWithWindowsErrorText =
    "Windowsの起動時に起動する設定を変更できませんでした。\r\n";

// What the dialog needs of the program and of the main window that owns it.
struct TOptionPorts {
    settings::TIniAccess& Ini;
    IUserInterface& Ui;
    IFiles& Files;
    ITimer& AutoSaveTimer;            // the main window's; OK may set its interval
    layout::TEditorPath& EditorPath;  // the program-wide editor path; replaced on OK
    THelpFiles Help;                  // its button shown only while one of them exists
    // The owner's outer rectangle in screen pixels when it is a window of the program's own;
    // none otherwise.
    std::function<std::optional<Rect>()> OwnerRect;
    std::function<std::vector<TMonitor>()>
        Monitors;  // every display monitor, the primary one first
    std::function<void()> ActivateTitleColors, DeactivateTitleColors;
    std::function<std::string()> FindEditorExecutable;
    IHelpViewer& HelpViewer;              // shows a topic of the help file, or the manual
    TStartWithWindows& StartWithWindows;  // the user's Run value for this executable
    // What the sheets "保存時" … "自動保存2" need besides; without it they only hold their values.
    std::optional<TOptionSheetsPorts> Sheets;
};

// The values of the sheets whose controls other parts of the dialog provide, kept while the
// dialog is open so that OK stores them back as they were loaded.
struct THeldSheetValues {
    bool UseDefFileName = false;
    std::string FileDef = "yyyymmdd";
    std::vector<std::string> Favorites;
    std::vector<std::string> AutoSaveFiles;
    std::int32_t Interval = 1800;
    std::int32_t AtAppStart = 0;  // 0 off, 1 as at the last exit, 2 on
    bool ForAllFiles = false;
    bool SaveType = false;
};

class TdlgOption : public ui::IFormEvents {
public:
    TdlgOption(ui::IView& view, TOptionPorts ports);
    // FormDestroy: the title colours come back once more.
    ~TdlgOption() override;
    TdlgOption(const TdlgOption&) = delete;
    TdlgOption& operator=(const TdlgOption&) = delete;

    // FormCreate, then FormShow.
    void OnShow() override;
    void OnControl(const ui::TControlEvent& event) override;
    bool OnMouseWheel(Point clientPoint, int delta) override;
    void OnDropQuery(int id, std::vector<std::string>& paths, bool& accept) override;
    bool OnUpDownChanging(int id, int position, int requestedPosition) override;
    void OnKeyPress(int id, char32_t& key) override { FStartup.OnKeyPress(id, key); }

    // The sheets' own lists mark their changes, and provide their saves (which clear the flag
    // and give true when the list was stored).
    void SetFavoritesChanged(bool changed) { FFavoritesChanged = changed; }
    void SetAutoSaveChanged(bool changed) { FAutoSaveChanged = changed; }
    bool FavoritesChanged() const { return FFavoritesChanged; }
    bool AutoSaveChanged() const { return FAutoSaveChanged; }
    std::function<bool()> SaveFavorites, SaveAutoSaveList;

    int CurrentSheet() const;
    const THeldSheetValues& Held() const { return FHeld; }

private:
    // The numbers of the boxes as their texts give them, read before anything is stored.
    struct TBoxNumbers {
        std::int32_t Left = 0, Top = 0, Delay = 0;
    };

    void FormCreate();
    void FormShow();
    void PlaceOverOwner();
    void ShowSheet(int index);
    void btnOKClick();
    bool AskAboutLists();
    bool EditorPathAccepted(const std::string& path);
    // The Run value as the check box says; false when the registry refused, and the user was told.
    bool StoreStartWithWindows();
    bool IntervalAccepted();
    void FormClose();
    // The sheets' presenters show the held values, and give them back before OK stores them.
    void LoadSheets();
    void TakeSheetValues();

    // option_dialog_settings.cpp
    void LoadControls();
    bool LoadLastSheet();
    void LoadStartup();
    void LoadLists();
    void LoadAutoSave();
    std::optional<TBoxNumbers> ReadBoxNumbers();
    void StoreControls(settings::TSettingsWriter& writer, const std::string& path,
                       const TBoxNumbers& numbers);
    void StoreStartup(settings::TSettingsWriter& writer, const TBoxNumbers& numbers);
    void StoreAutoSave(settings::TSettingsWriter& writer);
    void SetAutoSaveInterval(std::int64_t seconds);

    ui::IView& FView;
    TOptionPorts FPorts;
    TOptionGeneralSheet FGeneral;
    TOptionStartupSheet FStartup;
    THeldSheetValues FHeld;
    std::optional<TOptionSheets> FSheets;
    bool FFavoritesChanged = false;
    bool FAutoSaveChanged = false;
    bool FClosed = false;
};

}  // namespace wyndrel::dialogs
