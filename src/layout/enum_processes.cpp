// Process listing through the process port: one road on every platform the program runs on.
#include "layout/enum_processes.h"

#include "text/trim.h"

namespace wyndrel::layout {

void TEnumProcesses::Enumerate(std::int32_t lParam) {
    FPaths.clear();
    bool continueEnum = true;
    bool listed = FProcesses.ListProcesses([&](const std::string& exePath, ProcessId id) {
        std::string name(text::Trim(exePath));
        if (name.empty()) return true;
        FPaths.push_back(name);
        if (OnEnum) OnEnum(name, id.Value, continueEnum, lParam);
        return continueEnum;
    });
    if (!listed) throw EEnumProcessesError(SnapshotFailedText);
}

}  // namespace wyndrel::layout
