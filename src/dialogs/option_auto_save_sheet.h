// The presenter of the options dialog's sheet "自動保存2": the state of auto-save at start,
// the save method with its detection from the editor's executable, the interval box with its
// detached arrows, and whether every open file is saved.
#pragma once

#include "platform/files.h"
#include "platform/user_interface.h"
#include "ui/view.h"

#include <cstdint>
#include <string>

namespace wyndrel::dialogs {

// What the sheet shows, as the settings hold it.
struct TAutoSaveSettings {
    std::int32_t AtAppStart = 0;   // 0 off, 1 as at the last exit, 2 on
    bool SaveType = false;         // true: the save request message; false: the keystroke
    std::int32_t Interval = 1800;  // seconds
    bool ForAllFiles = false;
};

class TOptionAutoSaveSheet {
public:
    TOptionAutoSaveSheet(ui::IView& view, IFiles& files, IUserInterface& ui)
        : FView(view), FFiles(files), FUi(ui) {}

    // An interval beyond 0 ... a day (the interval command of the main window takes any) is
    // shown and kept at the nearest end.
    void Load(const TAutoSaveSettings& settings);
    TAutoSaveSettings Settings() const;

    // True when the event was one of this sheet's. The method detection reads the editor
    // path in use, not the path box of the sheet "一般".
    bool OnControl(const ui::TControlEvent& event, const std::string& editorPath);
    // The interval's arrows or the wheel ask its up-down to go from `position` to
    // `requestedPosition`: the interval moves instead and the up-down stays where it is.
    // False: the up-down's own change is refused.
    bool OnIntervalArrows(std::int32_t position, std::int32_t requestedPosition);

private:
    void numAS_DelayChange();
    void ShowInterval();

    ui::IView& FView;
    IFiles& FFiles;
    IUserInterface& FUi;
    std::int32_t FInterval = 1800;
};

}  // namespace wyndrel::dialogs
