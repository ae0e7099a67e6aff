// The editing of one of the options dialog's file lists (favourites, auto-save): adding,
// removing, clearing, moving, the existence check and dropped files, with its changed flag.
#pragma once

#include "platform/files.h"
#include "platform/user_interface.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace wyndrel::dialogs {

// What tells the two lists apart.
struct TFileListTexts {
    std::string AddTitle;         // the file-selection dialog's title
    std::size_t ManyEntries = 0;  // adding to a list this long asks first
    std::string ManyEntriesQuestion;
    std::string DuplicateWarning;  // a chosen file already listed
};

const TFileListTexts& FavoritesListTexts();
const TFileListTexts& AutoSaveListTexts();

struct TFileListPorts {
    IUserInterface& Ui;
    IFiles& Files;
    // The shared file-selection dialog with the given title: the chosen path in the form the
    // disk stores it, or none when the user cancelled.
    std::function<std::optional<std::string>(const std::string& title)> SelectFileToAdd;
};

class TFileListEditor {
public:
    TFileListEditor(const TFileListTexts& texts, TFileListPorts ports);

    // The stored list: nothing selected, nothing changed.
    void Load(std::vector<std::string> entries);
    const std::vector<std::string>& Entries() const { return FEntries; }

    // -1 for no selection; an index outside the list selects nothing.
    int Selection() const { return FSelection; }
    void Select(int index);

    // Set by every change of the list, cleared by Load and by the list's save.
    bool Changed() const { return FChanged; }
    void ClearChanged() { FChanged = false; }

    void Add();
    void RemoveSelected();
    void Clear();
    void MoveUp();
    void MoveDown();
    void CheckExistence();
    // Appends the dropped paths the list lacks; a box counts the ones it already held.
    void Drop(const std::vector<std::string>& paths);

private:
    bool Contains(const std::string& path) const;
    // A path the settings file could not hold as it names the file is refused with the reason.
    bool Storable(const std::string& path);
    void Append(const std::string& path);
    void Swap(int from, int to);

    const TFileListTexts& FTexts;
    TFileListPorts FPorts;
    std::vector<std::string> FEntries;
    int FSelection = -1;
    bool FChanged = false;
};

}  // namespace wyndrel::dialogs
