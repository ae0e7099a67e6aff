// The start-up sheet's buttons and the delay switch.
#include "dialogs/option_startup_sheet.h"

#include "dialogs/option_ids.h"

#include <algorithm>
#include <limits>

namespace wyndrel::dialogs {

using namespace option_ids;

std::string NumberBoxText(std::int64_t value) { return std::to_string(value); }

std::optional<std::int64_t> NumberBoxInteger(std::string_view text, std::string& error) {
    std::string cleaned;
    for (char c : text.substr(0, 255))
        if ((c >= '0' && c <= '9') || c == '-' || c == '.') cleaned += c;
    if (cleaned.empty()) return 0;
    const bool negative = cleaned[0] == '-';
    const std::size_t point = cleaned.find('.');
    const std::string whole = cleaned.substr(negative ? 1 : 0, point == std::string::npos ? std::string::npos
                                                                                          : point - (negative ? 1 : 0));
    const std::string fraction = point == std::string::npos ? "" : cleaned.substr(point + 1);
    const auto digits = [](const std::string& part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(whole) || !digits(fraction) || whole.size() + fraction.size() == 0) {
        error = "'" + cleaned + "' は浮動小数点数ではありません";
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (char c : whole) value = std::min<std::int64_t>(value * 10 + (c - '0'), std::numeric_limits<std::int32_t>::max());
    return negative ? -value : value;
}

bool TOptionStartupSheet::OnControl(const ui::TControlEvent& event) {
    if (event.Kind != ui::TControlEventKind::Click) return false;
    switch (event.Id) {
        case btnInsNowPos: btnInsNowPosClick(); return true;
        case chkUseDelay: UseDelayChanged(); return true;
        default: return false;
    }
}

void TOptionStartupSheet::UseDelayChanged() {
    const bool on = FView.Checked(chkUseDelay);
    FView.SetEnabled(numDelay, on);
    FView.SetEnabled(udDelay, on);
}

Point TOptionStartupSheet::OwnerTopLeft() const {
    const std::optional<Rect> owner = FOwnerRect ? FOwnerRect() : std::nullopt;
    return owner ? Point{owner->Left, owner->Top} : Point{};
}

void TOptionStartupSheet::btnInsNowPosClick() {
    // The boxes only: the arrows take the boxes' numbers when next pressed.
    const Point at = OwnerTopLeft();
    FView.SetText(numLeft, NumberBoxText(at.X));
    FView.SetText(numTop, NumberBoxText(at.Y));
}

}  // namespace wyndrel::dialogs
