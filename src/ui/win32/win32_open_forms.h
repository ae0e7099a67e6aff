// The program's open form dialogs found among the thread's top-level windows.
#pragma once

#include "ui/open_forms.h"

namespace wyndrel::ui::win32 {

class TWin32OpenForms : public IOpenForms {
public:
    std::vector<TOpenForm> OpenForms() override;
    void Focus(WindowId window) override;
};

}  // namespace wyndrel::ui::win32
