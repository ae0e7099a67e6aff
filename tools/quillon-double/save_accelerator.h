// The editor's keyboard accelerator: Ctrl+S asks the main window to save.
#pragma once

#include "platform/win32/unique_handle.h"

namespace quillon {

// The WM_COMMAND id that Ctrl+S turns into.
constexpr WORD SaveCommandId = 1001;

struct TAcceleratorTraits {
    static HACCEL Invalid() noexcept { return nullptr; }
    static bool IsValid(HACCEL h) noexcept { return h != nullptr; }
    static void Close(HACCEL h) noexcept { ::DestroyAcceleratorTable(h); }
};

using TUniqueAccelerators = wyndrel::win32::TUniqueResource<HACCEL, TAcceleratorTraits>;

TUniqueAccelerators CreateSaveAccelerator();

}  // namespace quillon
