// The About window's show, text, animation and close.
#include "dialogs/ver_info.h"

#include "dialogs/system_info_text.h"
#include "dialogs/ver_info_form.h"
#include "dialogs/ver_info_ids.h"

#include <vector>

namespace wyndrel::dialogs {
namespace {

using namespace ver_info_ids;

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    return text;
}

}  // namespace

TTitleColors RotateTitleColors(const TTitleColors& colors) {
    TTitleColors rotated;
    for (std::size_t i = 0; i < colors.size(); ++i) rotated[(i + 1) % colors.size()] = colors[i];
    return rotated;
}

TfrmVerInfo::TfrmVerInfo(TVerInfoPorts ports)
    : FPorts(std::move(ports)), FInfVer(FPorts.Versions) {}

void TfrmVerInfo::OnControl(const ui::TControlEvent& event) {
    if (event.Id == btnOK && event.Kind == ui::TControlEventKind::Click)
        FPorts.View.Close();  // btnOKClick
}

void TfrmVerInfo::OnTimer(int timerId) {
    if (timerId == TimGrad) TimGradTimer();
}

void TfrmVerInfo::FormShow() {
    // Only the address shows; the subject behind it is opened all the same.
    Rect mail = FPorts.View.Bounds(URLMAIL);
    mail.Right =
        mail.Left + FPorts.Frame.TextWidth(URLMAIL, std::string("Mailto:") + ContactAddress);
    FPorts.View.SetBounds(URLMAIL, mail);
    FColors = StartTitleColors;
    ShowTitleColors();
    FillInfo();
    FPorts.Frame.Repaint();
    FPorts.TimGrad.Start(TitleAnimationMs);
}

void TfrmVerInfo::FillInfo() {
    FInfVer.SetFileName(FPorts.ExeName);
    std::string version(" ");
    version +=
        FInfVer.GetMajorVersion() + "." + FInfVer.GetMinorVersion() + "." + FInfVer.GetRelease();
    FPorts.View.SetText(txtVerInfo, version + " Build:" + FInfVer.GetBuild());
    FPorts.Frame.Repaint();
    // The lines added before a failure stay in the box.
    std::vector<std::string> lines;
    struct TShowLines {
        ui::IView& View;
        std::vector<std::string>& Lines;
        ~TShowLines() { View.SetText(txtSysInfo, JoinLines(Lines)); }
    } show{FPorts.View, lines};
    AddSystemLines(FPorts.System, FInfVer, lines);
}

void TfrmVerInfo::FormActivate() {
    if (FPorts.DeactivateTitleColors) FPorts.DeactivateTitleColors();
}

void TfrmVerInfo::FormClose() {
    if (FClosing) return;
    FClosing = true;
    FPorts.TimGrad.Stop();
    FPorts.View.Hide();
    // The hidden window disappears before the main window's title changes colour.
    FPorts.Ui.ProcessMessages();
    FPorts.Ui.ProcessMessages();
    if (FPorts.ActivateTitleColors) FPorts.ActivateTitleColors();
}

void TfrmVerInfo::TimGradTimer() {
    FColors = RotateTitleColors(FColors);
    ShowTitleColors();
    FPorts.Ui.ProcessMessages();
}

void TfrmVerInfo::Focus() {
    if (!FClosing) FPorts.Frame.BringForward();
}

void TfrmVerInfo::ShowTitleColors() {
    for (int i = 0; i < TitleLetterCount; ++i)
        FPorts.Frame.SetFontColor(lblTitle1 + i, FColors[static_cast<std::size_t>(i)]);
}

}  // namespace wyndrel::dialogs
