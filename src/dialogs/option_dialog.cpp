// The options dialog's frame: creation, placement over its owner, the sheets, OK with its
// questions and checks, Cancel, closing, help and the mouse wheel.
#include "dialogs/option_dialog.h"

#include "dialogs/auto_save_interval.h"
#include "dialogs/option_form.h"
#include "dialogs/option_ids.h"
#include "dialogs/option_sheet_ids.h"
#include "dialogs/option_wheel.h"
#include "dialogs/reporting_writer.h"
#include "platform/work_area.h"
#include "settings/setting_keys.h"
#include "settings/settings_writer.h"
#include "text/case_mapping.h"
#include "text/path_split.h"

#include <algorithm>

namespace wyndrel::dialogs {
namespace {

using namespace option_ids;

// A check box is as wide as its caption and its box, a radio button as its caption and its circle.
constexpr int CheckBoxMargin = 18;
constexpr int RadioButtonMargin = 16;

std::string Formatted(const char* format, const std::string& value) {
    std::string text = format;
    const auto at = text.find("%s");
    return at == std::string::npos ? text : text.replace(at, 2, value);
}

}  // namespace

TdlgOption::TdlgOption(ui::IView& view, TOptionPorts ports)
    : FView(view),
      FPorts(std::move(ports)),
      FGeneral(view, FPorts.Ui, FPorts.FindEditorExecutable),
      FStartup(view, FPorts.OwnerRect) {
    if (!FPorts.Sheets) return;
    FSheets.emplace(
        view, *FPorts.Sheets, [this](bool changed) { FFavoritesChanged = changed; },
        [this](bool changed) { FAutoSaveChanged = changed; });
    SaveFavorites = [this] { return FSheets->SaveFavorites(); };
    SaveAutoSaveList = [this] { return FSheets->SaveAutoSaveList(); };
}

TdlgOption::~TdlgOption() {
    if (FPorts.ActivateTitleColors) FPorts.ActivateTitleColors();
}

void TdlgOption::OnShow() {
    FormCreate();
    FormShow();
}

void TdlgOption::FormCreate() {
    FPorts.Ui.SetBusyCursor(true);
    if (FPorts.DeactivateTitleColors) FPorts.DeactivateTitleColors();
    for (const ui::TControlSpec& spec : OptionForm().Controls) {
        const bool check = spec.Kind == ui::TControlKind::CheckBox;
        if (!check && spec.Kind != ui::TControlKind::RadioButton) continue;
        Rect bounds = FView.Bounds(spec.Id);
        const int fitted = bounds.Left + FView.CaptionWidth(spec.Id) +
                           (check ? CheckBoxMargin : RadioButtonMargin);
        // A caption of several lines wraps inside its designed width rather than leave the page.
        bounds.Right = spec.Has(ui::MultiLine) ? std::min(fitted, bounds.Right) : fitted;
        FView.SetBounds(spec.Id, bounds);
    }
    FFavoritesChanged = false;
    if (FSheets) FSheets->Prepare();
    FView.SetVisible(btnHelp, HelpFileToShow(FPorts.Help, FPorts.Files).has_value());
    std::vector<std::string> captions;
    for (const TOptionSheetSpec& sheet : OptionSheets()) captions.push_back(sheet.Caption);
    FView.SetItems(PageCtrl, captions);
    ShowSheet(SheetGeneral);
    FPorts.Ui.SetBusyCursor(false);
}

void TdlgOption::FormShow() {
    PlaceOverOwner();
    LoadControls();
    LoadSheets();
}

void TdlgOption::PlaceOverOwner() {
    const std::optional<Rect> owner = FPorts.OwnerRect ? FPorts.OwnerRect() : std::nullopt;
    if (!owner) {
        FView.SetText(ui::FormId, OptionCaptionOwnerError);
        FPorts.Ui.ShowMessageDialog(TDialogType::Error, OptionOwnerErrorText, TBoxButtons::Ok);
        return;
    }
    const std::optional<Rect> area =
        FPorts.Monitors ? WorkAreaHolding(*owner, FPorts.Monitors()) : std::nullopt;
    FView.SetWindowRect(CentreOn(FView.WindowRect(), *owner, area));
}

int TdlgOption::CurrentSheet() const { return std::max(FView.Selection(PageCtrl), 0); }

void TdlgOption::ShowSheet(int index) {
    const auto& sheets = OptionSheets();
    index = std::clamp(index, 0, static_cast<int>(sheets.size()) - 1);
    FView.SetSelection(PageCtrl, index);
    for (int i = 0; i < static_cast<int>(sheets.size()); ++i)
        for (const ui::TControlSpec& spec : sheets[static_cast<std::size_t>(i)].Controls)
            FView.SetVisible(spec.Id, i == index);
}

void TdlgOption::OnControl(const ui::TControlEvent& event) {
    if (event.Id == PageCtrl && event.Kind == ui::TControlEventKind::SelectionChange)
        return ShowSheet(FView.Selection(PageCtrl));
    if (FGeneral.OnControl(event) || FStartup.OnControl(event) ||
        (FSheets && FSheets->OnControl(event)))
        return;
    if (event.Kind != ui::TControlEventKind::Click) return;
    switch (event.Id) {
        case btnOK:
            btnOKClick();
            break;
        case btnCancel:
            FormClose();
            break;
        case btnHelp:
            ShowHelpTopic(FPorts.Help, FPorts.Files, FPorts.HelpViewer,
                          HelpTopicBase + CurrentSheet());
            break;
        default:
            break;
    }
}

bool TdlgOption::OnMouseWheel(Point clientPoint, int delta) {
    const auto& sheet = OptionSheets()[static_cast<std::size_t>(CurrentSheet())];
    const std::optional<int> upDown = WheelUpDown(sheet.Controls, FView, clientPoint);
    if (!upDown) return false;
    const ui::TControlSpec* spec = OptionForm().Find(*upDown);
    const int position = FView.Position(*upDown), step = delta > 0 ? 60 : -60;
    if (OnUpDownChanging(*upDown, position, position + step))
        FView.SetPosition(*upDown, ui::SteppedPosition(spec->UpDown, position, step));
    return true;
}

void TdlgOption::OnDropQuery(int id, std::vector<std::string>& paths, bool& accept) {
    if (FSheets) FSheets->OnDropQuery(id, paths, accept);
}

// The interval's arrows move the interval, never their own position.
bool TdlgOption::OnUpDownChanging(int id, int position, int requestedPosition) {
    if (id != udAS_Delay || !FSheets) return true;
    return FSheets->OnIntervalArrows(position, requestedPosition);
}

// A settings file that exists but cannot be read is never replaced, so every choice made
// here would be dropped without a word: the user is told, and the dialog stays open with
// the choices until the file can be read again or the dialog is cancelled. The same holds
// when a write, or a list's save, fails on the way.
void TdlgOption::btnOKClick() {
    const std::optional<TBoxNumbers> numbers = ReadBoxNumbers();
    settings::TSettingsWriter writer = ReportingWriter(FPorts.Ini, FPorts.Ui);
    if (!numbers || !IntervalAccepted() || !writer.Ready() || !AskAboutLists()) return;
    const std::string path = FView.Text(txtQuilPath);
    if (!EditorPathAccepted(path) || !StoreStartWithWindows()) return;
    TakeSheetValues();
    StoreControls(writer, path, *numbers);
    if (writer.Failed()) return;
    if (FAutoSaveChanged && SaveAutoSaveList && !SaveAutoSaveList()) return;
    writer.Write(settings::keys::AutoSaveSaveType, FHeld.SaveType);
    if (writer.Failed()) return;
    FormClose();
}

// The two lists' questions; false when the user cancelled, or the favourites could not be
// saved, and the dialog stays open.
bool TdlgOption::AskAboutLists() {
    if (FFavoritesChanged) {
        const TBoxAnswer answer = FPorts.Ui.ShowMessageDialog(
            TDialogType::Confirmation, SaveFavoritesQuestion, TBoxButtons::YesNoCancel);
        if (answer == TBoxAnswer::Cancel) return false;
        if (answer == TBoxAnswer::Yes && SaveFavorites && !SaveFavorites()) return false;
    }
    if (FAutoSaveChanged) {
        const TBoxAnswer answer = FPorts.Ui.ShowMessageDialog(
            TDialogType::Confirmation, SaveAutoSaveQuestion, TBoxButtons::YesNoCancel);
        if (answer == TBoxAnswer::Cancel) return false;
        if (answer == TBoxAnswer::No) FAutoSaveChanged = false;
    }
    return true;
}

bool TdlgOption::EditorPathAccepted(const std::string& path) {
    if (!FPorts.Files.FileExists(path)) {
        FPorts.Ui.ShowMessageDialog(TDialogType::Warning, Formatted(InvalidEditorPathFormat, path),
                                    TBoxButtons::Ok);
        return false;
    }
    if (text::LocaleUpper(text::ExtractFileName(path)) != "QUILLON.EXE") {
        FPorts.Ui.ShowMessageDialog(TDialogType::Warning, Formatted(NotEditorFileFormat, path),
                                    TBoxButtons::Ok);
        return false;
    }
    return true;
}

// An interval of 0 would show auto-save as on while it never runs. The box itself takes 0
// (typed, or by the arrows from a minute), so it is refused here, before anything is stored.
bool TdlgOption::IntervalAccepted() {
    const std::int32_t seconds = FSheets ? FSheets->Values().AutoSave.Interval : FHeld.Interval;
    if (seconds >= MinAutoSaveInterval) return true;
    FPorts.Ui.ShowMessageDialog(TDialogType::Warning, IntervalOutOfRangeText, TBoxButtons::Ok);
    ShowSheet(SheetAutoSaveSettings);
    FView.SetFocus(numAS_Delay);
    return false;
}

// Closing is never held up: a last sheet the file refuses is simply not kept.
void TdlgOption::FormClose() {
    if (FClosed) return;
    FClosed = true;
    settings::TSettingsWriter ignoring(FPorts.Ini, settings::TWriteFailure::Ignore);
    ignoring.Write(settings::keys::LastSheet, CurrentSheet());
    if (FPorts.ActivateTitleColors) FPorts.ActivateTitleColors();
    FView.Close();
}

}  // namespace wyndrel::dialogs
