// The presenter of the options dialog's sheet "保存時": whether the save commands propose a
// file name, the date-time definition it is made from with its live preview, the hint memo
// and the insert menu of format specifiers.
#pragma once

#include "platform/clock.h"
#include "platform/regional_settings.h"
#include "platform/types.h"
#include "text/date_time_locale.h"
#include "ui/view.h"

#include <functional>
#include <string>

namespace wyndrel::dialogs {

struct TSaveSheetPorts {
    IClock& Clock;
    IRegionalSettings& Regional;
    std::function<Point()> CursorPos;  // the mouse cursor in screen pixels
};

class TOptionSaveSheet {
public:
    TOptionSaveSheet(ui::IView& view, TSaveSheetPorts ports)
        : FView(view), FPorts(std::move(ports)) {}

    // At the dialog's creation: the caret of the definition box at its start and the memo
    // filled; the preview is made with the user's regional settings as read now.
    void Prepare();
    // The stored settings; the preview and the enabling follow.
    void Load(bool useDefFileName, const std::string& definition);
    bool UseDefFileName() const;
    std::string Definition() const;

    // True when the event was one of this sheet's.
    bool OnControl(const ui::TControlEvent& event);

private:
    void chkUseDefFileNameClick();
    void txtFileDefChange();
    void btnInsTimeDefClick();
    void InsertFrom(Point at);

    ui::IView& FView;
    TSaveSheetPorts FPorts;
    text::TDateTimeLocale FLocale;
};

}  // namespace wyndrel::dialogs
