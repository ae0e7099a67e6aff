// TOOLTIPS_CLASSW with subclassed tools, multi-line by a maximum width.
#include "ui/win32/tooltips.h"

#include "platform/win32/wide_string.h"
#include "ui/hint_text.h"
#include "ui/scaling.h"

namespace wyndrel::ui::win32 {
namespace {

// A tooltip shows several lines only once it has a maximum width.
constexpr int MaxHintWidth = 600;

}  // namespace

void TTooltips::Create(HWND form, int dpi) {
    if (FTooltip) return;
    FForm = form;
    FTooltip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    if (!FTooltip) return;  // hints are a help, not a reason to fail the window
    ::SendMessageW(FTooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(HintDisplayMs, 0));
    Rescale(dpi);
}

void TTooltips::Add(HWND control, const std::string& hint) {
    if (!FTooltip || hint.empty()) return;
    std::wstring text = wyndrel::win32::Widen(TooltipText(hint));
    TTTOOLINFOW tool{};
    // The size without the last field: accepted by every version of the common controls.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = FForm;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    ::SendMessageW(FTooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TTooltips::SetArea(UINT_PTR id, const RECT& area, const std::string& hint) {
    if (!FTooltip) return;
    std::wstring text = wyndrel::win32::Widen(TooltipText(hint));
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = FForm;
    tool.uId = id;
    tool.rect = area;
    tool.lpszText = text.data();
    if (FAreas.insert(id).second) {
        ::SendMessageW(FTooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    ::SendMessageW(FTooltip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(FTooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TTooltips::Rescale(int dpi) {
    if (FTooltip) ::SendMessageW(FTooltip, TTM_SETMAXTIPWIDTH, 0, ScaleToDpi(MaxHintWidth, dpi));
}

}  // namespace wyndrel::ui::win32
