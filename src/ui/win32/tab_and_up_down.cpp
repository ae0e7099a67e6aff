// Setting up tab strips and up-down arrows.
#include "ui/win32/tab_and_up_down.h"

#include "platform/win32/wide_string.h"

namespace wyndrel::ui::win32 {

void SetTabCaptions(HWND tab, const std::vector<std::string>& captions) {
    ::SendMessageW(tab, TCM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        std::wstring text = wyndrel::win32::Widen(captions[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        ::SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

std::vector<std::string> TabCaptions(HWND tab) {
    std::vector<std::string> captions;
    const auto count = ::SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 255;
        ::SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        captions.push_back(wyndrel::win32::Narrow(item.pszText));
    }
    return captions;
}

void SetUpUpDown(HWND upDown, HWND buddy, const TUpDownSpec& spec) {
    ::SendMessageW(upDown, UDM_SETRANGE32, static_cast<WPARAM>(spec.Min),
                   static_cast<LPARAM>(spec.Max));
    UDACCEL step{0, static_cast<UINT>(spec.Step)};
    ::SendMessageW(upDown, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
    // The buddy keeps its own text until the position is first set.
    ::SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
}

}  // namespace wyndrel::ui::win32
