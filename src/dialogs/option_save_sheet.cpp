// The sheet "保存時". The preview is made exactly as the save commands make their proposal,
// so what it shows is the name the user will be offered.
#include "dialogs/option_save_sheet.h"

#include "dialogs/file_name_hints.h"
#include "dialogs/option_sheet_ids.h"
#include "text/default_file_name.h"
#include "text/user_date_time_locale.h"

namespace wyndrel::dialogs {

using namespace option_ids;

void TOptionSaveSheet::Prepare() {
    FLocale = text::UserDateTimeLocale(FPorts.Regional);
    FView.SetCaret(txtFileDef, 0);
    FView.SetText(txtDefHint, DefinitionHintText());
}

void TOptionSaveSheet::Load(bool useDefFileName, const std::string& definition) {
    FView.SetText(txtFileDef, definition);
    txtFileDefChange();
    FView.SetChecked(chkUseDefFileName, useDefFileName);
    chkUseDefFileNameClick();
}

bool TOptionSaveSheet::UseDefFileName() const { return FView.Checked(chkUseDefFileName); }

std::string TOptionSaveSheet::Definition() const { return FView.Text(txtFileDef); }

bool TOptionSaveSheet::OnControl(const ui::TControlEvent& event) {
    switch (event.Id) {
        case chkUseDefFileName:
            if (event.Kind == ui::TControlEventKind::Click) chkUseDefFileNameClick();
            return true;
        case txtFileDef:
            if (event.Kind == ui::TControlEventKind::Change) txtFileDefChange();
            return true;
        case btnInsTimeDef:
            if (event.Kind == ui::TControlEventKind::Click) btnInsTimeDefClick();
            if (event.Kind == ui::TControlEventKind::ContextMenu) InsertFrom(FPorts.CursorPos());
            return true;
        default:
            return false;
    }
}

void TOptionSaveSheet::chkUseDefFileNameClick() {
    const bool enabled = UseDefFileName();
    for (int id : {txtFileDef, txtPreview, btnInsTimeDef}) FView.SetEnabled(id, enabled);
}

void TOptionSaveSheet::txtFileDefChange() {
    FView.SetText(txtPreview, text::MakeDefFileName(Definition(), FPorts.Clock, FLocale) + ".qdl");
}

// The menu opens with its right edge at the dialog's and its top at the cursor's height.
void TOptionSaveSheet::btnInsTimeDefClick() {
    InsertFrom(Point{FView.WindowRect().Right, FPorts.CursorPos().Y});
}

// The insert menu with its right edge at `at`; a chosen entry replaces the selection.
void TOptionSaveSheet::InsertFrom(Point at) {
    ui::TMenuModel menu = InsertMenu();
    menu.AlignRight = true;
    const std::optional<int> chosen = FView.TrackPopup(menu, at);
    const std::optional<std::string> inserted = chosen ? InsertedText(*chosen) : std::nullopt;
    if (!inserted) return;
    FView.ReplaceSelection(txtFileDef, *inserted);
    txtFileDefChange();
}

}  // namespace wyndrel::dialogs
