// The running-editors list window's presenter: one row per editor window that shows a file,
// refreshed whenever the program becomes active again, a double click bringing the row's
// editor to the front; its column widths and bounds kept in the settings.
#pragma once

#include "layout/layout_record.h"
#include "platform/desktop.h"
#include "platform/user_interface.h"
#include "settings/ini_access.h"
#include "ui/app_activation.h"
#include "ui/view.h"

#include <functional>
#include <optional>
#include <vector>

namespace wyndrel::dialogs {

inline constexpr const char* EnumerationFailedText = "EnumWindowsに失敗しました。";
inline constexpr const char* NoEditorRowText = "起動中Quillonはありません。(無題除く)";

struct TQuillonListPorts {
    settings::TIniAccess& Ini;
    IUserInterface& Ui;
    IDesktop& Desktop;
    ui::TAppActivation& Activation;
    // The capture pass of the layout engine: the editor windows showing a file, topmost
    // first; none when the enumeration failed.
    std::function<std::optional<std::vector<layout::TLayout>>()> CaptureEditors;
    // Where a window stored at `rect` opens: on a monitor even when `rect` is on none.
    std::function<Rect(const Rect&)> KeepOnScreen;
};

class TfrmQuillonList : public ui::IFormEvents {
public:
    TfrmQuillonList(ui::IView& view, TQuillonListPorts ports);
    // Puts the previous activation handler back when the window went without closing.
    ~TfrmQuillonList() override;
    TfrmQuillonList(const TfrmQuillonList&) = delete;
    TfrmQuillonList& operator=(const TfrmQuillonList&) = delete;

    // The stored widths and bounds, the activation handler, then the first refresh.
    void OnShow() override;
    void OnControl(const ui::TControlEvent& event) override;
    void OnResize() override;

    // Captures the editor windows again and shows them, or the no-editor row.
    void RefreshList();
    // The records behind the rows, as captured by the last refresh.
    const std::vector<layout::TLayout>& Records() const { return FRecords; }

private:
    void FormCreate();
    void FormClose();
    void LVDblClick();
    void ShowRows(std::vector<layout::TLayout> records);

    ui::IView& FView;
    TQuillonListPorts FPorts;
    std::vector<layout::TLayout> FRecords;
    bool FActivationInstalled = false;
    ui::TAppActivation::THandler FPreviousActivation;
};

}  // namespace wyndrel::dialogs
