// The list window's steps: its settings, the refresh and the double click.
#include "dialogs/quillon_list.h"

#include "dialogs/quillon_list_form.h"
#include "dialogs/quillon_list_ids.h"
#include "settings/setting_keys.h"
#include "settings/settings_writer.h"

#include <string>

namespace wyndrel::dialogs {
namespace {

using namespace list_ids;
namespace keys = settings::keys;

std::vector<std::string> RowOf(const layout::TLayout& record) {
    return {record.FileName,
            std::to_string(record.Left),
            std::to_string(record.Top),
            std::to_string(record.Width),
            std::to_string(record.Height),
            std::to_string(record.SelStart)};
}

// The wait cursor for as long as a refresh runs, however it ends.
class TBusyCursor {
public:
    explicit TBusyCursor(IUserInterface& ui) : FUi(ui) { FUi.SetBusyCursor(true); }
    ~TBusyCursor() { FUi.SetBusyCursor(false); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
    IUserInterface& FUi;
};

}  // namespace

TfrmQuillonList::TfrmQuillonList(ui::IView& view, TQuillonListPorts ports)
    : FView(view), FPorts(std::move(ports)) {}

TfrmQuillonList::~TfrmQuillonList() {
    // The handler calls into this object: it must not outlive it.
    if (FActivationInstalled) FPorts.Activation.Replace(std::move(FPreviousActivation));
}

void TfrmQuillonList::OnShow() {
    FormCreate();
    RefreshList();
}

void TfrmQuillonList::FormCreate() {
    settings::TIniAccess& ini = FPorts.Ini;
    for (int column = 0; column < ColumnCount; ++column)
        FView.SetColumnWidth(LV, column,
                             ini.Read(keys::ListLastWidth, column, FView.ColumnWidth(LV, column)));
    FPreviousActivation = FPorts.Activation.Replace([this] { RefreshList(); });
    FActivationInstalled = true;

    const Rect current = FView.WindowRect();
    const int top = ini.Read(keys::ListTop);
    const int left = ini.Read(keys::ListLeft);
    const int width = ini.Read(keys::ListWidth, current.Width());
    const int height = ini.Read(keys::ListHeight, current.Height());
    Rect stored = ui::Bounds(left, top, width, height);
    FView.SetWindowRect(FPorts.KeepOnScreen ? FPorts.KeepOnScreen(stored) : stored);
}

void TfrmQuillonList::RefreshList() {
    std::optional<std::vector<layout::TLayout>> captured;
    {
        TBusyCursor busy(FPorts.Ui);
        FView.SetRows(LV, {});
        FRecords.clear();
        captured = FPorts.CaptureEditors();
        if (captured) ShowRows(std::move(*captured));
    }
    if (!captured)
        FPorts.Ui.ShowMessageDialog(TDialogType::Error, EnumerationFailedText, TBoxButtons::Ok);
}

void TfrmQuillonList::ShowRows(std::vector<layout::TLayout> records) {
    // The window keeps its own copy: a later capture (a save, an auto-save pass) does not
    // change which editor a row stands for.
    FRecords = std::move(records);
    std::vector<std::vector<std::string>> rows;
    for (const layout::TLayout& record : FRecords) rows.push_back(RowOf(record));
    if (rows.empty()) rows.push_back({NoEditorRowText, "", "", "", "", ""});
    FView.SetRows(LV, rows);
}

void TfrmQuillonList::OnControl(const ui::TControlEvent& event) {
    if (event.Id == btnClose && event.Kind == ui::TControlEventKind::Click)
        FormClose();
    else if (event.Id == LV && event.Kind == ui::TControlEventKind::DoubleClick)
        LVDblClick();
}

void TfrmQuillonList::OnResize() {
    const Rect client = FView.Bounds(ui::FormId);
    FView.SetBounds(LV, ListViewBounds(client.Width(), client.Height()));
    FView.SetBounds(btnClose, CloseButtonBounds(client.Width(), client.Height()));
}

void TfrmQuillonList::LVDblClick() {
    const int row = FView.Selection(LV);
    // The no-editor row and rows beyond the records stand for no window.
    if (row < 0 || row >= static_cast<int>(FRecords.size())) return;
    // A window closed since the refresh is simply not brought forward; the platform's answer
    // is of no use to the user.
    RequestForeground(FPorts.Desktop, FRecords[static_cast<std::size_t>(row)].Wnd);
}

void TfrmQuillonList::FormClose() {
    // Closing is never held up: a place or width the file refuses is simply not kept.
    settings::TSettingsWriter writer(FPorts.Ini, settings::TWriteFailure::Ignore);
    ui::TAppActivation::THandler previous = std::move(FPreviousActivation);
    if (FActivationInstalled) FPorts.Activation.Replace(previous);
    FActivationInstalled = false;
    for (int column = 0; column < ColumnCount; ++column)
        writer.Write(keys::ListLastWidth, column, FView.ColumnWidth(LV, column));
    const Rect bounds = FView.WindowRect();
    writer.Write(keys::ListTop, bounds.Top);
    writer.Write(keys::ListLeft, bounds.Left);
    writer.Write(keys::ListWidth, bounds.Width());
    writer.Write(keys::ListHeight, bounds.Height());
    if (previous) previous();
    FView.Close();
}

}  // namespace wyndrel::dialogs
