// The process contract against the Win32 adapter, starting the editor double.
#include "contract/processes_contract.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_processes.h"
#include "support/programs.h"

namespace wyndrel::contract {
namespace {

class TWin32ProcessesWorld {
public:
    ~TWin32ProcessesWorld() {
        // Programs the suite started are ended by their process id; the adapter's handles
        // are already closed by then.
        for (DWORD id : FStarted) {
            HANDLE process = ::OpenProcess(PROCESS_TERMINATE, FALSE, id);
            if (process) {
                ::TerminateProcess(process, 0);
                ::CloseHandle(process);
            }
        }
    }
    IProcesses& Processes() { return FTracking; }
    std::string ReadyProgram() { return win32::Narrow(e2e::ProgramFolder() + L"Quillon.exe"); }
    std::string MissingProgram() {
        return win32::Narrow(e2e::ProgramFolder() + L"no-such-program.exe");
    }

private:
    // Notes every started process so the world can end it.
    class TTracking : public win32::TWin32Processes {
    public:
        explicit TTracking(std::vector<DWORD>& started) : FStarted(started) {}
        std::optional<TStartedProcess> StartProcess(
            const std::string& application, const std::string& commandLine,
            const std::optional<TStartPlacement>& placement) override {
            auto process = TWin32Processes::StartProcess(application, commandLine, placement);
            if (process) FStarted.push_back(process->Id.Value);
            return process;
        }

    private:
        std::vector<DWORD>& FStarted;
    };

    std::vector<DWORD> FStarted;
    TTracking FTracking{FStarted};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ProcessesContract, TWin32ProcessesWorld);

}  // namespace
}  // namespace wyndrel::contract
