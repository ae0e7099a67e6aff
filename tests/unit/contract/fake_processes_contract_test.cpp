// The process contract against the fake process starter.
#include "contract/processes_contract.h"
#include "fakes/fake_processes.h"

namespace wyndrel::contract {
namespace {

class TFakeProcessesWorld {
public:
    TFakeProcessesWorld() { FProcesses.ModelEditorOn(FDesktop, {}); }
    IProcesses& Processes() { return FProcesses; }
    std::string ReadyProgram() { return "C:\\Program Files\\Quillon\\Quillon.exe"; }
    std::string MissingProgram() {
        FProcesses.ModelEditorOn(FDesktop, {.StartFails = true});
        return "C:\\nowhere\\missing.exe";
    }

private:
    fakes::TFakeDesktop FDesktop;
    fakes::TFakeProcesses FProcesses;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, ProcessesContract, TFakeProcessesWorld);

}  // namespace
}  // namespace wyndrel::contract
