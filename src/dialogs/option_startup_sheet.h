// The presenter of sheet "起動時": the main window's current place put into the user
// position boxes, and the delay box enabled only while the delayed start is on.
#pragma once

#include "platform/types.h"
#include "ui/view.h"

#include <functional>
#include <cstdint>
#include <optional>

namespace wyndrel::dialogs {

class TOptionStartupSheet {
public:
    // `ownerRect`: the main window's outer rectangle, none when the owner is not known.
    TOptionStartupSheet(ui::IView& view, std::function<std::optional<Rect>()> ownerRect)
        : FView(view), FOwnerRect(std::move(ownerRect)) {}

    // True when the event was one of this sheet's.
    bool OnControl(const ui::TControlEvent& event);
    // The position boxes take whole pixels: a typed "." never reaches them.
    void OnKeyPress(int id, char32_t& key) const;
    // The delay box and its arrows follow chkUseDelay.
    void UseDelayChanged();
    // The main window's left and top edges: (0, 0) when the owner is not known.
    Point OwnerTopLeft() const;

private:
    void btnInsNowPosClick();

    ui::IView& FView;
    std::function<std::optional<Rect>()> FOwnerRect;
};

// Numeric box `id` of the dialog with `value` written into it, as the box writes its Value.
void WriteNumberBox(ui::IView& view, int id, std::int64_t value);

// Numeric box `id` as leaving it makes it: its text cleaned and shown, and the whole-number
// part of its value returned. Throws ui::EConvertError with the message to show; the text
// then stays as it was.
std::int64_t LeaveNumberBox(ui::IView& view, int id);

}  // namespace wyndrel::dialogs
