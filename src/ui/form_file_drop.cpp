// The file-drop components wired to a form's view and presenter for one drop.
#include "ui/form_file_drop.h"

#include "ui/file_drop.h"

namespace wyndrel::ui {
namespace {

void DropOnListBox(const TControlSpec& control, IView& view, IFormEvents& events,
                   const std::vector<std::string>& paths) {
    const int id = control.Id;
    TFileDropListBox box;
    box.AcceptMultiple = control.Drop.AcceptMultiple;
    box.AutoChange = control.Drop.AutoChange;
    box.OnDropQuery = [&](TFileDropListBox&, std::vector<std::string>& files, bool& accept) {
        events.OnDropQuery(id, files, accept);
    };
    box.OnDropFinished = [&](TFileDropListBox&) { events.OnDropFinished(id); };
    box.AppendEntries = [&](const std::vector<std::string>& files) {
        std::vector<std::string> items = view.Items(id);
        items.insert(items.end(), files.begin(), files.end());
        view.SetItems(id, items);
    };
    box.Drop(paths);
}

void DropOnEdit(const TControlSpec& control, IView& view, IFormEvents& events,
                const std::vector<std::string>& paths) {
    const int id = control.Id;
    TFileDropEdit edit;
    edit.AutoChangeText = control.Drop.AutoChange;
    // The edit box asks about its one path; what the presenter does to the list is not taken.
    edit.OnFileDropAcceptQuery = [&](TFileDropEdit&, const std::string& fileName, bool& accept) {
        std::vector<std::string> files{fileName};
        events.OnDropQuery(id, files, accept);
    };
    edit.ChangeText = [&](const std::string& text) { view.SetText(id, text); };
    edit.Drop(paths);
}

}  // namespace

void DropOnFormControl(const TControlSpec& control, IView& view, IFormEvents& events,
                       const std::vector<std::string>& paths) {
    if (!control.Drop.AcceptFiles) return;
    if (control.Kind == TControlKind::FileDropListBox) DropOnListBox(control, view, events, paths);
    if (control.Kind == TControlKind::FileDropEdit) DropOnEdit(control, view, events, paths);
}

}  // namespace wyndrel::ui
