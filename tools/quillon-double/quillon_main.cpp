// The editor double's entry: one document per process, with the test knobs applied.
#include "command_line.h"
#include "editor_window.h"
#include "save_accelerator.h"
#include "test_knobs.h"

#include "platform/win32/message_loop.h"
#include "platform/win32/windows_header.h"

namespace {

// Waits in the message queue, so that the process counts as ready for input meanwhile.
void WaitIdleFor(int milliseconds) {
    UINT_PTR timer = ::SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), nullptr);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.wParam == timer) break;
        ::DispatchMessageW(&message);
    }
    ::KillTimer(nullptr, timer);
}

// The program's own path, as a caller that names it on the command line writes it.
std::wstring ProgramPath() {
    wchar_t path[MAX_PATH] = L"";
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length < MAX_PATH ? length : 0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    quillon::TTestKnobs knobs = quillon::ReadTestKnobs();
    quillon::LogStart(knobs, ::GetCommandLineW());
    // Busy before the first look at the message queue: not yet ready for input.
    if (knobs.NeverIdle)
        for (;;) ::Sleep(100);  // sleep-ok: the hanging editor a test asked for
    if (knobs.IdleDelayMs > 0)
        ::Sleep(static_cast<DWORD>(knobs.IdleDelayMs));  // sleep-ok: a slow start, asked for
    if (knobs.WindowDelayMs > 0) WaitIdleFor(knobs.WindowDelayMs);

    quillon::TEditorWindow window(quillon::ParseCommandLine(quillon::ArgumentsAfterProgram(
                                      ::GetCommandLineW(), ProgramPath())),
                                  knobs);
    if (!window.Create(showCommand)) return 1;
    quillon::TUniqueAccelerators accelerators = quillon::CreateSaveAccelerator();
    return wyndrel::win32::RunMessageLoop({window.Handle(), accelerators.Get()});
}
