// The sheet "自動保存2". The interval is the presenter's own value: a text that is no number
// leaves it as the last number typed, which OK stores.
#include "dialogs/option_auto_save_sheet.h"

#include "dialogs/auto_save_interval.h"
#include "dialogs/option_sheet_ids.h"
#include "dialogs/save_method_detection.h"

#include <algorithm>

namespace wyndrel::dialogs {

using namespace option_ids;

void TOptionAutoSaveSheet::Load(const TAutoSaveSettings& settings) {
    FInterval = std::clamp(settings.Interval, 0, MaxAutoSaveInterval);
    ShowInterval();
    FView.SetChecked(rbAS_E_OFF, settings.AtAppStart != 1 && settings.AtAppStart != 2);
    FView.SetChecked(rbAS_E_LAST, settings.AtAppStart == 1);
    FView.SetChecked(rbAS_E_ON, settings.AtAppStart == 2);
    FView.SetChecked(chkASForAll, settings.ForAllFiles);
    FView.SetChecked(rbASType_New, settings.SaveType);
    FView.SetChecked(rbASType_Old, !settings.SaveType);
}

TAutoSaveSettings TOptionAutoSaveSheet::Settings() const {
    TAutoSaveSettings settings;
    settings.AtAppStart = FView.Checked(rbAS_E_ON) ? 2 : FView.Checked(rbAS_E_LAST) ? 1 : 0;
    settings.SaveType = FView.Checked(rbASType_New);
    settings.Interval = FInterval;
    settings.ForAllFiles = FView.Checked(chkASForAll);
    return settings;
}

bool TOptionAutoSaveSheet::OnControl(const ui::TControlEvent& event,
                                     const std::string& editorPath) {
    if (event.Id == numAS_Delay) {
        if (event.Kind == ui::TControlEventKind::Change) numAS_DelayChange();
        return true;
    }
    if (event.Id != btnASTyeDetect) return false;
    if (event.Kind != ui::TControlEventKind::Click) return true;
    if (const std::optional<bool> saveRequest = DetectSaveType(editorPath, FFiles, FUi)) {
        FView.SetChecked(rbASType_New, *saveRequest);
        FView.SetChecked(rbASType_Old, !*saveRequest);
    }
    return true;
}

bool TOptionAutoSaveSheet::OnIntervalArrows(std::int32_t position, std::int32_t requestedPosition) {
    FInterval = SteppedInterval(FInterval, position, requestedPosition);
    ShowInterval();
    return false;
}

void TOptionAutoSaveSheet::numAS_DelayChange() {
    const std::string text = FView.Text(numAS_Delay);
    const std::optional<TTypedInterval> typed = IntervalFromText(text);
    if (!typed) return;
    FInterval = typed->Seconds;
    if (typed->Capped) ShowInterval();
}

void TOptionAutoSaveSheet::ShowInterval() { FView.SetText(numAS_Delay, std::to_string(FInterval)); }

}  // namespace wyndrel::dialogs
