// What the options dialog loads when it is shown and stores on OK, each in its order.
// Strings and strict integers are read through the settings-file object (longer strings
// than the helpers), Booleans and scanning integers through the helpers.
#include "dialogs/option_dialog.h"

#include "dialogs/option_ids.h"
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

// The choice for a stored value; values outside the list pick the first.
int ChoiceFor(const int (&choices)[4], std::int32_t value) {
    return value >= 0 && value < 4 ? choices[value] : choices[0];
}

std::int32_t CheckedChoice(const ui::IView& view, const int (&choices)[4]) {
    for (std::int32_t i = 0; i < 4; ++i)
        if (view.Checked(choices[i])) return i;
    return 0;
}

void Choose(ui::IView& view, const int (&choices)[4], int chosen) {
    for (int id : choices) view.SetChecked(id, id == chosen);
}

std::int32_t ToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void TdlgOption::LoadControls() {
    settings::TSettingsFile file = FPorts.Ini.SettingsFile();
    settings::TIniAccess& ini = FPorts.Ini;
    FView.SetText(txtQuilPath, file.ReadString(keys::QuilPath.Section, keys::QuilPath.Name, FPorts.EditorPath.Path()));
    FView.SetChecked(chkCloseNoExit, ini.ReadIniBool(keys::CloseNoExit.Section, keys::CloseNoExit.Name, false));
    FView.SetChecked(chkIsMostTop, ini.ReadIniBool(keys::IsMostTop.Section, keys::IsMostTop.Name, keys::IsMostTop.Default));
    FHeld.FileDef = file.ReadString(keys::IsFileNameDateTime.Section, keys::IsFileNameDateTime.Name,
                                    keys::IsFileNameDateTime.Default);
    FHeld.UseDefFileName = ini.ReadIniBool(keys::UseDefFileName.Section, keys::UseDefFileName.Name, false);
    if (!LoadLastSheet()) return;
    LoadStartup();
    LoadLists();
    LoadAutoSave();
}

// False when an out-of-range value could not be reset: the error has been shown, and the
// rest of the controls keep their designed state.
bool TdlgOption::LoadLastSheet() {
    settings::TSettingsFile file = FPorts.Ini.SettingsFile();
    std::int32_t sheet = file.ReadInteger(keys::LastSheet.Section, keys::LastSheet.Name, 0);
    if (sheet >= OptionSheetCount) {
        try {
            file.WriteInteger(keys::LastSheet.Section, keys::LastSheet.Name, 0);
        } catch (const settings::ESettingsWriteError& error) {
            FPorts.Ui.ShowMessageDialog(TDialogType::Error, error.what(), TBoxButtons::Ok);
            return false;
        }
        sheet = 0;
    }
    ShowSheet(std::max(sheet, 0));
    return true;
}

void TdlgOption::LoadStartup() {
    settings::TSettingsFile file = FPorts.Ini.SettingsFile();
    settings::TIniAccess& ini = FPorts.Ini;
    const Point owner = FStartup.OwnerTopLeft();
    // The arrows first, then the box: a stored value outside the arrows' range stays whole.
    const std::int32_t left = file.ReadInteger(keys::UserLeft.Section, keys::UserLeft.Name, owner.X);
    FView.SetPosition(udLeft, left);
    WriteNumberBox(FView, numLeft, left);
    const std::int32_t top = file.ReadInteger(keys::UserTop.Section, keys::UserTop.Name, owner.Y);
    FView.SetPosition(udTop, top);
    WriteNumberBox(FView, numTop, top);
    Choose(FView, ModeChoices, ChoiceFor(ModeChoices, file.ReadInteger(keys::UserWindowMode.Section,
                                                                       keys::UserWindowMode.Name, 0)));
    Choose(FView, PositionChoices, ChoiceFor(PositionChoices, file.ReadInteger(keys::StartWindowPosType.Section,
                                                                               keys::StartWindowPosType.Name, 0)));
    FView.SetChecked(chkIsIconic, ini.ReadIniBool(keys::IsIconic.Section, keys::IsIconic.Name, false));
    FView.SetChecked(chkIsActivate, ini.ReadIniBool(keys::IsGetFocusOnStart.Section, keys::IsGetFocusOnStart.Name, false));
    FView.SetChecked(chkIsMinimizeOnStart,
                     ini.ReadIniBool(keys::IsMinimizedOnStart.Section, keys::IsMinimizedOnStart.Name, false));
    FView.SetChecked(chkUseDelay, ini.ReadIniBool(keys::IsUseDelay.Section, keys::IsUseDelay.Name, false));
    FStartup.UseDelayChanged();
    const std::int32_t delay =
        file.ReadInteger(keys::DeleyWaitTime.Section, keys::DeleyWaitTime.Name, keys::DeleyWaitTime.Default);
    FView.SetPosition(udDelay, delay);
    WriteNumberBox(FView, numDelay, delay);
}

void TdlgOption::LoadLists() {
    settings::TSettingsFile file = FPorts.Ini.SettingsFile();
    FFavoritesChanged = false;
    FHeld.Favorites.clear();
    const std::int32_t favorites =
        FPorts.Ini.ReadIniInteger(keys::FavoritesItemCount.Section, keys::FavoritesItemCount.Name, 0);
    for (std::int32_t n = 0; n < favorites; ++n)
        FHeld.Favorites.push_back(file.ReadString(keys::FavoritesFile.Section, keys::FavoritesFile.Name(n),
                                                  std::string(keys::FavoritesFileReadErrorPrefix) + std::to_string(n)));
    FAutoSaveChanged = false;
    FHeld.AutoSaveFiles.clear();
    const std::int32_t files = file.ReadInteger(keys::AutoSaveFileCount.Section, keys::AutoSaveFileCount.Name, 0);
    for (std::int32_t n = 0; n < files; ++n)
        FHeld.AutoSaveFiles.push_back(file.ReadString(keys::AutoSaveFile.Section, keys::AutoSaveFile.Name(n), ""));
}

void TdlgOption::LoadAutoSave() {
    settings::TSettingsFile file = FPorts.Ini.SettingsFile();
    settings::TIniAccess& ini = FPorts.Ini;
    FHeld.Interval = file.ReadInteger(keys::AutoSaveInterval.Section, keys::AutoSaveInterval.Name,
                                      keys::AutoSaveInterval.Default);
    FView.SetChecked(chkAddFavMenuOpen, ini.ReadIniBool(keys::AddFavMenuOpen.Section, keys::AddFavMenuOpen.Name, false));
    const std::int32_t atStart = file.ReadInteger(keys::AutoSaveAtAppStart.Section, keys::AutoSaveAtAppStart.Name, 0);
    FHeld.AtAppStart = atStart >= 0 && atStart <= keys::MaxAtAppStart ? atStart : 0;
    FHeld.ForAllFiles = ini.ReadIniBool(keys::AutoSaveForAllFiles.Section, keys::AutoSaveForAllFiles.Name, false);
    FHeld.SaveType = ini.ReadIniBool(keys::AutoSaveSaveType.Section, keys::AutoSaveSaveType.Name, false);
}

// Each box as if the user had left it, so that a number confirmed with Enter while its box
// still has the focus is the one stored. None when a box holds no number: the error has
// been shown and that box has the focus.
std::optional<TdlgOption::TBoxNumbers> TdlgOption::ReadBoxNumbers() {
    TBoxNumbers numbers;
    const std::pair<int, std::int32_t*> boxes[] = {{numLeft, &numbers.Left}, {numTop, &numbers.Top},
                                                   {numDelay, &numbers.Delay}};
    for (const auto& [id, number] : boxes) {
        try {
            *number = ToInt32(LeaveNumberBox(FView, id));
        } catch (const ui::EConvertError& error) {
            FPorts.Ui.ShowMessageDialog(TDialogType::Error, error.what(), TBoxButtons::Ok);
            ShowSheet(SheetStartup);
            FView.SetFocus(id);
            return std::nullopt;
        }
    }
    return numbers;
}

void TdlgOption::StoreControls(const std::string& path, const TBoxNumbers& numbers) {
    settings::TIniAccess& ini = FPorts.Ini;
    FPorts.EditorPath.Replace(path);
    if (auto error = ini.WriteIniPath(keys::QuilPath.Section, keys::QuilPath.Name, path))
        FPorts.Ui.ShowMessageDialog(TDialogType::Error, error->Message, TBoxButtons::Ok);
    ini.WriteIniBool(keys::UseDefFileName.Section, keys::UseDefFileName.Name, FHeld.UseDefFileName);
    ini.WriteIniString(keys::IsFileNameDateTime.Section, keys::IsFileNameDateTime.Name, FHeld.FileDef);
    ini.WriteIniBool(keys::CloseNoExit.Section, keys::CloseNoExit.Name, FView.Checked(chkCloseNoExit));
    ini.WriteIniBool(keys::IsMostTop.Section, keys::IsMostTop.Name, FView.Checked(chkIsMostTop));
    ini.WriteIniInteger(keys::LastSheet.Section, keys::LastSheet.Name, CurrentSheet());
    StoreStartup(numbers);
    StoreAutoSave();
}

void TdlgOption::StoreStartup(const TBoxNumbers& numbers) {
    settings::TIniAccess& ini = FPorts.Ini;
    ini.WriteIniInteger(keys::UserLeft.Section, keys::UserLeft.Name, numbers.Left);
    ini.WriteIniInteger(keys::UserTop.Section, keys::UserTop.Name, numbers.Top);
    ini.WriteIniInteger(keys::UserWindowMode.Section, keys::UserWindowMode.Name, CheckedChoice(FView, ModeChoices));
    ini.WriteIniInteger(keys::StartWindowPosType.Section, keys::StartWindowPosType.Name,
                        CheckedChoice(FView, PositionChoices));
    ini.WriteIniBool(keys::IsIconic.Section, keys::IsIconic.Name, FView.Checked(chkIsIconic));
    ini.WriteIniBool(keys::IsGetFocusOnStart.Section, keys::IsGetFocusOnStart.Name, FView.Checked(chkIsActivate));
    ini.WriteIniBool(keys::IsMinimizedOnStart.Section, keys::IsMinimizedOnStart.Name,
                     FView.Checked(chkIsMinimizeOnStart));
    ini.WriteIniBool(keys::IsUseDelay.Section, keys::IsUseDelay.Name, FView.Checked(chkUseDelay));
    ini.WriteIniInteger(keys::DeleyWaitTime.Section, keys::DeleyWaitTime.Name, numbers.Delay);
}

void TdlgOption::StoreAutoSave() {
    settings::TIniAccess& ini = FPorts.Ini;
    SetAutoSaveInterval(FHeld.Interval);
    ini.WriteIniInteger(keys::AutoSaveInterval.Section, keys::AutoSaveInterval.Name, FHeld.Interval);
    ini.WriteIniBool(keys::AddFavMenuOpen.Section, keys::AddFavMenuOpen.Name, FView.Checked(chkAddFavMenuOpen));
    ini.WriteIniInteger(keys::AutoSaveAtAppStart.Section, keys::AutoSaveAtAppStart.Name, FHeld.AtAppStart);
    const bool lastEnable = ini.ReadIniBool(keys::AutoSaveLastEnable.Section, keys::AutoSaveLastEnable.Name, false);
    ini.WriteIniBool(keys::AutoSaveLastEnable.Section, keys::AutoSaveLastEnable.Name, lastEnable);
    ini.WriteIniBool(keys::AutoSaveForAllFiles.Section, keys::AutoSaveForAllFiles.Name, FHeld.ForAllFiles);
}

// The running timer restarts only when the interval changed. The platform's timers take at
// most 2^31 - 1 ms; an interval beyond (or below 0) is held at the nearest one it takes.
void TdlgOption::SetAutoSaveInterval(std::int64_t seconds) {
    const auto milliseconds = static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(seconds * 1000, 0, std::numeric_limits<std::int32_t>::max()));
    if (milliseconds != FPorts.AutoSaveTimer.Interval()) FPorts.AutoSaveTimer.SetInterval(milliseconds);
}

void TdlgOption::LoadSheets() {
    if (!FSheets) return;
    FSheets->Load(TOptionSheetValues{FHeld.UseDefFileName, FHeld.FileDef, FHeld.Favorites, FHeld.AutoSaveFiles,
                                     TAutoSaveSettings{FHeld.AtAppStart, FHeld.SaveType, FHeld.Interval,
                                                       FHeld.ForAllFiles}});
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
