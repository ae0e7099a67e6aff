// The presenter of sheet "起動時": the main window's current place put into the user
// position boxes, and the delay box enabled only while the delayed start is on.
#pragma once

#include "platform/types.h"
#include "ui/view.h"

#include <functional>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wyndrel::dialogs {

class TOptionStartupSheet {
public:
    // `ownerRect`: the main window's outer rectangle, none when the owner is not known.
    TOptionStartupSheet(ui::IView& view, std::function<std::optional<Rect>()> ownerRect)
        : FView(view), FOwnerRect(std::move(ownerRect)) {}

    // True when the event was one of this sheet's.
    bool OnControl(const ui::TControlEvent& event);
    // The delay box and its arrows follow chkUseDelay.
    void UseDelayChanged();
    // The main window's left and top edges: (0, 0) when the owner is not known.
    Point OwnerTopLeft() const;

private:
    void btnInsNowPosClick();

    ui::IView& FView;
    std::function<std::optional<Rect>()> FOwnerRect;
};

// The text a number box shows once `value` is written into it.
std::string NumberBoxText(std::int64_t value);

// The whole-number part of what a number box's text says, once cleaned of everything but
// digits, "-" and "." (a text without any is 0); none when the cleaned text is no number,
// with the message to show in `error`.
std::optional<std::int64_t> NumberBoxInteger(std::string_view text, std::string& error);

}  // namespace wyndrel::dialogs
