// The engine's editor is the double that stands beside the test executable.
#include "support/win32_engine.h"

#include "platform/win32/wide_string.h"
#include "support/programs.h"

namespace e2e {

TWin32Engine::TWin32Engine()
    : EditorPath(wyndrel::win32::Narrow(ProgramFolder() + L"Quillon.exe")) {}

}  // namespace e2e
