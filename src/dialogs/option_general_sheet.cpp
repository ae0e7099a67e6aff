// Detecting and browsing for the editor's executable.
#include "dialogs/option_general_sheet.h"

#include "dialogs/option_ids.h"
#include "text/path_split.h"

namespace wyndrel::dialogs {

using namespace option_ids;

bool TOptionGeneralSheet::OnControl(const ui::TControlEvent& event) {
    if (event.Kind != ui::TControlEventKind::Click) return false;
    switch (event.Id) {
        case btnDetect:
            btnDetectClick();
            return true;
        case btnBrowse:
            btnBrowseClick();
            return true;
        default:
            return false;
    }
}

void TOptionGeneralSheet::btnDetectClick() {
    if (!FFindEditorExecutable) return;
    // Nothing found leaves what the user wrote.
    const std::string found = FFindEditorExecutable();
    if (!found.empty()) FView.SetText(txtQuilPath, found);
}

void TOptionGeneralSheet::btnBrowseClick() {
    const std::string current = FView.Text(txtQuilPath);
    TFileDialog dialog;
    dialog.Title = BrowseEditorTitle;
    dialog.Filter = BrowseEditorFilter;
    dialog.DefaultExtension = "exe";
    dialog.InitialFolder = std::string(text::ExtractFilePath(current));
    dialog.InitialFileName = current.empty() ? EditorFileName : current;
    dialog.FileMustExist = true;
    if (auto chosen = FUi.ShowOpenDialog(dialog)) FView.SetText(txtQuilPath, *chosen);
}

}  // namespace wyndrel::dialogs
