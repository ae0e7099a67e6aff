// TFileDropListBox and TFileDropEdit: a list box that takes dropped files as entries and an
// edit box that takes the path of one dropped file as its text. These hold what the controls
// decide; the window reads the dropped paths (whole, however long) and hands them to Drop.
//
// Use: set the properties and events, point AppendEntries / ChangeText at the window's list or
// text, and call Drop(paths) for each drop. In a form table the kinds
// TControlKind::FileDropListBox and FileDropEdit do this (see DropOnFormControl).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace wyndrel::ui {

class TFileDropListBox {
public:
    using TNotifyEvent = std::function<void(TFileDropListBox& sender)>;
    using TDropQueryEvent = std::function<void(TFileDropListBox& sender,
                                               std::vector<std::string>& files, bool& accept)>;

    bool AcceptDropFile() const { return FAcceptDropFile; }
    // Stores the value and registers or unregisters the window as a drop target.
    void SetAcceptDropFile(bool value);
    bool AcceptMultiple = true;  // when false only the first dropped file is kept
    bool AutoChange = false;     // append the accepted files to the entries

    TNotifyEvent OnDropFile;      // a drop arrived, before its files are read
    TDropQueryEvent OnDropQuery;  // the collected paths: may edit them and refuse the drop
    TNotifyEvent OnDropFinished;  // an accepted drop has been applied

    // The window's side: registering as a drop target, and appending entries.
    std::function<void(bool accept)> RegisterDropTarget;
    std::function<void(const std::vector<std::string>& paths)> AppendEntries;

    // A drop of `dropped`, in the platform's order; empty paths are skipped.
    void Drop(const std::vector<std::string>& dropped);

private:
    bool FAcceptDropFile = false;
};

class TFileDropEdit {
public:
    using TFileDropNotifyEvent =
        std::function<void(TFileDropEdit& sender, const std::string& fileName)>;
    using TFileDropAcceptQuery =
        std::function<void(TFileDropEdit& sender, const std::string& fileName, bool& accept)>;

    bool AutoChangeText = false;  // the dropped path becomes the text
    bool AcceptDragFile() const { return FAcceptDragFile; }
    // A different value is stored and registers or unregisters the window as a drop target.
    void SetAcceptDragFile(bool value);

    TFileDropNotifyEvent OnFileDrop;
    TFileDropAcceptQuery OnFileDropAcceptQuery;

    std::function<void(bool accept)> RegisterDropTarget;
    std::function<void(const std::string& text)> ChangeText;

    // A drop of `dropped`: the first file only; further files are ignored.
    void Drop(const std::vector<std::string>& dropped);

private:
    bool FAcceptDragFile = false;
};

}  // namespace wyndrel::ui
