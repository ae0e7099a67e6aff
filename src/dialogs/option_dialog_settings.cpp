// What the options dialog loads when it is shown and stores on OK, each in its order.
// Strings and integers are read through the settings-file object at the dialog's place
// (longer strings than the helpers, and the dialog's own kind of integer read), Booleans
// through the helpers.
#include "dialogs/option_dialog.h"

#include "dialogs/option_ids.h"
#include "dialogs/reporting_writer.h"
#include "settings/setting_keys.h"
#include "ui/num_edit_text.h"

#include <algorithm>
#include <limits>

namespace wyndrel::dialogs {
namespace {

using namespace option_ids;
namespace keys = settings::keys;

constexpr int PositionChoices[] = {rbPosLast, rbPosAuto, rbPosUser, rbPosCenter};
constexpr int ModeChoices[] = {rbModeLast, rbModeNorm, rbModeHorz, rbModeVert};
constexpr int LastSessionChoices[] = {rbLastSessionNone, rbLastSessionAsk, rbLastSessionRestore};

// The choice for a stored value; values outside the list pick `otherwise`.
template <std::size_t N>
int ChoiceFor(const int (&choices)[N], std::int32_t value, std::size_t otherwise = 0) {
    return value >= 0 && static_cast<std::size_t>(value) < N ? choices[value] : choices[otherwise];
}

template <std::size_t N>
std::int32_t CheckedChoice(const ui::IView& view, const int (&choices)[N], std::int32_t none = 0) {
    for (std::size_t i = 0; i < N; ++i)
        if (view.Checked(choices[i])) return static_cast<std::int32_t>(i);
    return none;
}

template <std::size_t N>
void Choose(ui::IView& view, const int (&choices)[N], int chosen) {
    for (int id : choices) view.SetChecked(id, id == chosen);
}

std::int32_t ToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void TdlgOption::LoadControls() {
    settings::TSettingsFile file = FPorts.Ini.SettingsFile(settings::TReadPlace::OptionsDialog);
    settings::TIniAccess& ini = FPorts.Ini;
    FView.SetText(txtQuilPath, file.Read(keys::QuilPath, FPorts.EditorPath.Path()));
    FView.SetChecked(chkCloseNoExit, ini.Read(keys::CloseNoExit));
    FView.SetChecked(chkIsMostTop, ini.Read(keys::IsMostTop));
    FView.SetChecked(chkStartWithWindows, FPorts.StartWithWindows.Registered());
    FView.SetChecked(chkFollowDisplays, ini.Read(keys::FollowDisplays));
    // Values other than 0, 1 and 2 act as 1, asking.
    Choose(FView, LastSessionChoices,
           ChoiceFor(LastSessionChoices, file.Read(keys::RestoreLastSession), 1));
    FHeld.FileDef = file.Read(keys::IsFileNameDateTime);
    FHeld.UseDefFileName = ini.Read(keys::UseDefFileName);
    if (!LoadLastSheet()) return;
    LoadStartup();
    LoadLists();
    LoadAutoSave();
}

// False when an out-of-range value could not be reset: the error has been shown, and the
// rest of the controls keep their designed state.
bool TdlgOption::LoadLastSheet() {
    std::int32_t sheet =
        FPorts.Ini.SettingsFile(settings::TReadPlace::OptionsDialog).Read(keys::LastSheet);
    if (sheet >= OptionSheetCount) {
        settings::TSettingsWriter writer = ReportingWriter(FPorts.Ini, FPorts.Ui);
        writer.Write(keys::LastSheet, 0);
        if (writer.Failed()) return false;
        sheet = 0;
    }
    ShowSheet(std::max(sheet, 0));
    return true;
}

void TdlgOption::LoadStartup() {
    settings::TSettingsFile file = FPorts.Ini.SettingsFile(settings::TReadPlace::OptionsDialog);
    settings::TIniAccess& ini = FPorts.Ini;
    const Point owner = FStartup.OwnerTopLeft();
    // The arrows first, then the box: a stored value outside the arrows' range stays whole.
    const std::int32_t left = file.Read(keys::UserLeft, owner.X);
    FView.SetPosition(udLeft, left);
    WriteNumberBox(FView, numLeft, left);
    const std::int32_t top = file.Read(keys::UserTop, owner.Y);
    FView.SetPosition(udTop, top);
    WriteNumberBox(FView, numTop, top);
    Choose(FView, ModeChoices, ChoiceFor(ModeChoices, file.Read(keys::UserWindowMode)));
    Choose(FView, PositionChoices, ChoiceFor(PositionChoices, file.Read(keys::StartWindowPosType)));
    FView.SetChecked(chkIsIconic, ini.Read(keys::IsIconic));
    FView.SetChecked(chkIsActivate, ini.Read(keys::IsGetFocusOnStart));
    FView.SetChecked(chkIsMinimizeOnStart, ini.Read(keys::IsMinimizedOnStart));
    FView.SetChecked(chkUseDelay, ini.Read(keys::IsUseDelay));
    FStartup.UseDelayChanged();
    const std::int32_t delay = file.Read(keys::DeleyWaitTime);
    FView.SetPosition(udDelay, delay);
    WriteNumberBox(FView, numDelay, delay);
}

void TdlgOption::LoadLists() {
    settings::TSettingsFile file = FPorts.Ini.SettingsFile(settings::TReadPlace::OptionsDialog);
    FFavoritesChanged = false;
    FHeld.Favorites.clear();
    const std::int32_t favorites = keys::FavoritesToRead(file.Read(keys::FavoritesItemCount));
    for (std::int32_t n = 0; n < favorites; ++n)
        FHeld.Favorites.push_back(
            file.Read(keys::FavoritesFile, n,
                      std::string(keys::FavoritesFileReadErrorPrefix) + std::to_string(n)));
    FAutoSaveChanged = false;
    FHeld.AutoSaveFiles.clear();
    const std::int32_t files = file.Read(keys::AutoSaveFileCount);
    for (std::int32_t n = 0; n < files; ++n)
        FHeld.AutoSaveFiles.push_back(file.Read(keys::AutoSaveFile, n));
}

void TdlgOption::LoadAutoSave() {
    settings::TSettingsFile file = FPorts.Ini.SettingsFile(settings::TReadPlace::OptionsDialog);
    settings::TIniAccess& ini = FPorts.Ini;
    FHeld.Interval = file.Read(keys::AutoSaveInterval);
    FView.SetChecked(chkAddFavMenuOpen, ini.Read(keys::AddFavMenuOpen));
    const std::int32_t atStart = file.Read(keys::AutoSaveAtAppStart);
    FHeld.AtAppStart = atStart >= 0 && atStart <= keys::MaxAtAppStart ? atStart : 0;
    FHeld.ForAllFiles = ini.Read(keys::AutoSaveForAllFiles);
    FHeld.SaveType = ini.Read(keys::AutoSaveSaveType);
}

// Each box as if the user had left it, so that a number confirmed with Enter while its box
// still has the focus is the one stored. None when a box holds no number: the error has
// been shown and that box has the focus.
std::optional<TdlgOption::TBoxNumbers> TdlgOption::ReadBoxNumbers() {
    TBoxNumbers numbers;
    const std::pair<int, std::int32_t*> boxes[] = {
        {numLeft, &numbers.Left}, {numTop, &numbers.Top}, {numDelay, &numbers.Delay}};
    for (const auto& [id, number] : boxes) {
        try {
            *number = ToInt32(LeaveNumberBox(FView, id));
        } catch (const ui::EConvertError& error) {
            // The focus goes to the box before the error shows: a box left on the way to OK
            // then drops its own report of the same text, and the box has the focus after.
            ShowSheet(SheetStartup);
            FView.SetFocus(id);
            FPorts.Ui.ShowMessageDialog(TDialogType::Error, error.what(), TBoxButtons::Ok);
            return std::nullopt;
        }
    }
    return numbers;
}

void TdlgOption::StoreControls(settings::TSettingsWriter& writer, const std::string& path,
                               const TBoxNumbers& numbers) {
    FPorts.EditorPath.Replace(path);
    writer.WritePath(keys::QuilPath, path);
    writer.Write(keys::UseDefFileName, FHeld.UseDefFileName);
    writer.Write(keys::IsFileNameDateTime, FHeld.FileDef);
    writer.Write(keys::CloseNoExit, FView.Checked(chkCloseNoExit));
    writer.Write(keys::IsMostTop, FView.Checked(chkIsMostTop));
    writer.Write(keys::RestoreLastSession, CheckedChoice(FView, LastSessionChoices, 1));
    writer.Write(keys::FollowDisplays, FView.Checked(chkFollowDisplays));
    writer.Write(keys::LastSheet, CurrentSheet());
    StoreStartup(writer, numbers);
    StoreAutoSave(writer);
}

bool TdlgOption::StoreStartWithWindows() {
    const std::optional<TPlatformError> error =
        FPorts.StartWithWindows.Set(FView.Checked(chkStartWithWindows));
    if (!error) return true;
    FPorts.Ui.ShowMessageDialog(TDialogType::Error, StartWithWindowsErrorText + error->Message,
                                TBoxButtons::Ok);
    ShowSheet(SheetGeneral);
    FView.SetFocus(chkStartWithWindows);
    return false;
}

void TdlgOption::StoreStartup(settings::TSettingsWriter& writer, const TBoxNumbers& numbers) {
    writer.Write(keys::UserLeft, numbers.Left);
    writer.Write(keys::UserTop, numbers.Top);
    writer.Write(keys::UserWindowMode, CheckedChoice(FView, ModeChoices));
    writer.Write(keys::StartWindowPosType, CheckedChoice(FView, PositionChoices));
    writer.Write(keys::IsIconic, FView.Checked(chkIsIconic));
    writer.Write(keys::IsGetFocusOnStart, FView.Checked(chkIsActivate));
    writer.Write(keys::IsMinimizedOnStart, FView.Checked(chkIsMinimizeOnStart));
    writer.Write(keys::IsUseDelay, FView.Checked(chkUseDelay));
    writer.Write(keys::DeleyWaitTime, numbers.Delay);
}

void TdlgOption::StoreAutoSave(settings::TSettingsWriter& writer) {
    SetAutoSaveInterval(FHeld.Interval);
    writer.Write(keys::AutoSaveInterval, FHeld.Interval);
    writer.Write(keys::AddFavMenuOpen, FView.Checked(chkAddFavMenuOpen));
    writer.Write(keys::AutoSaveAtAppStart, FHeld.AtAppStart);
    writer.Write(keys::AutoSaveLastEnable, FPorts.Ini.Read(keys::AutoSaveLastEnable));
    writer.Write(keys::AutoSaveForAllFiles, FHeld.ForAllFiles);
}

// The running timer restarts only when the interval changed. The platform's timers take at
// most 2^31 - 1 ms; an interval beyond (or below 0) is held at the nearest one it takes.
void TdlgOption::SetAutoSaveInterval(std::int64_t seconds) {
    const auto milliseconds = static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(seconds * 1000, 0, std::numeric_limits<std::int32_t>::max()));
    if (milliseconds != FPorts.AutoSaveTimer.Interval())
        FPorts.AutoSaveTimer.SetInterval(milliseconds);
}

void TdlgOption::LoadSheets() {
    if (!FSheets) return;
    FSheets->Load(TOptionSheetValues{
        FHeld.UseDefFileName, FHeld.FileDef, FHeld.Favorites, FHeld.AutoSaveFiles,
        TAutoSaveSettings{FHeld.AtAppStart, FHeld.SaveType, FHeld.Interval, FHeld.ForAllFiles}});
}

void TdlgOption::TakeSheetValues() {
    if (!FSheets) return;
    const TOptionSheetValues values = FSheets->Values();
    FHeld.UseDefFileName = values.UseDefFileName;
    FHeld.FileDef = values.FileDef;
    FHeld.Favorites = values.Favorites;
    FHeld.AutoSaveFiles = values.AutoSaveFiles;
    FHeld.AtAppStart = values.AutoSave.AtAppStart;
    FHeld.SaveType = values.AutoSave.SaveType;
    FHeld.Interval = values.AutoSave.Interval;
    FHeld.ForAllFiles = values.AutoSave.ForAllFiles;
}

}  // namespace wyndrel::dialogs
