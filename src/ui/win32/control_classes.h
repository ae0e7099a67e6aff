// The platform's window class and styles for each kind of control in a form table.
#pragma once

#include "platform/win32/windows_header.h"
#include "ui/form.h"

#include <string>

namespace wyndrel::ui::win32 {

struct TControlClass {
    std::wstring ClassName;
    DWORD Style = 0;
    DWORD ExStyle = 0;
};

TControlClass ControlClass(const TControlSpec& spec);

// ES_LEFT, ES_RIGHT or ES_CENTER: fixed once an edit control exists.
DWORD AlignmentStyle(TAlignment alignment);

}  // namespace wyndrel::ui::win32
