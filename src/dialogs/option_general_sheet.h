// The presenter of sheet "一般": finding the editor's executable on the machine, and
// choosing it in the open-file dialog.
#pragma once

#include "platform/user_interface.h"
#include "ui/view.h"

#include <functional>
#include <string>

namespace wyndrel::dialogs {

inline constexpr const char* BrowseEditorTitle = "Quillonのパスを設定";
inline constexpr const char* BrowseEditorFilter = "Quillon(Quillon.exe)|Quillon.exe";
inline constexpr const char* EditorFileName = "Quillon.exe";

class TOptionGeneralSheet {
public:
    TOptionGeneralSheet(ui::IView& view, IUserInterface& ui,
                        std::function<std::string()> findEditorExecutable)
        : FView(view), FUi(ui), FFindEditorExecutable(std::move(findEditorExecutable)) {}

    // True when the event was one of this sheet's.
    bool OnControl(const ui::TControlEvent& event);

private:
    void btnDetectClick();
    void btnBrowseClick();

    ui::IView& FView;
    IUserInterface& FUi;
    std::function<std::string()> FFindEditorExecutable;
};

}  // namespace wyndrel::dialogs
