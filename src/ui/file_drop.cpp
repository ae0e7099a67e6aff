// What the file-drop list box and edit box do with a drop.
#include "ui/file_drop.h"

namespace wyndrel::ui {

void TFileDropListBox::SetAcceptDropFile(bool value) {
    FAcceptDropFile = value;
    if (RegisterDropTarget) RegisterDropTarget(value);
}

void TFileDropListBox::Drop(const std::vector<std::string>& dropped) {
    if (OnDropFile) OnDropFile(*this);
    std::vector<std::string> files;
    for (const std::string& path : dropped)
        if (!path.empty()) files.push_back(path);
    if (!AcceptMultiple && files.size() > 1) files.resize(1);
    bool accept = true;
    if (OnDropQuery) OnDropQuery(*this, files, accept);
    if (!accept) return;
    if (AutoChange && AppendEntries && !files.empty()) AppendEntries(files);
    if (OnDropFinished) OnDropFinished(*this);
}

void TFileDropEdit::SetAcceptDragFile(bool value) {
    if (value == FAcceptDragFile) return;
    FAcceptDragFile = value;
    if (RegisterDropTarget) RegisterDropTarget(value);
}

void TFileDropEdit::Drop(const std::vector<std::string>& dropped) {
    if (dropped.empty() || dropped.front().empty()) return;
    const std::string fileName = dropped.front();
    bool accept = true;
    if (OnFileDropAcceptQuery) OnFileDropAcceptQuery(*this, fileName, accept);
    if (!accept) return;
    if (OnFileDrop) OnFileDrop(*this, fileName);
    if (AutoChangeText && ChangeText) ChangeText(fileName);
}

}  // namespace wyndrel::ui
