// Loads the program's icon resource at the system's large or small icon size.
#include "app/win32/program_icon.h"

#include "app/win32/resource_ids.h"

namespace wyndrel::app::win32 {

// The sizes asked are the system's standard ones, so the shared copy the platform keeps per
// module is the right one to hand out (LR_SHARED is documented for standard sizes only).
HICON LoadProgramIcon(TIconSize size) {
    const bool large = size == TIconSize::Large;
    const int pixels = ::GetSystemMetrics(large ? SM_CXICON : SM_CXSMICON);
    HANDLE icon = ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(WYNDREL_ICON_RESOURCE),
                               IMAGE_ICON, pixels, pixels, LR_SHARED);
    if (icon) return static_cast<HICON>(icon);
    return static_cast<HICON>(
        ::LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, pixels, pixels, LR_SHARED));
}

}  // namespace wyndrel::app::win32
