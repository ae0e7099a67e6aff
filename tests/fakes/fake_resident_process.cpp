// The fake resident process.
#include "fakes/fake_resident_process.h"

namespace wyndrel::fakes {
namespace {

const char* PriorityName(TPriorityClass priority) {
    switch (priority) {
        case TPriorityClass::Idle:
            return "Idle";
        case TPriorityClass::High:
            return "High";
        case TPriorityClass::RealTime:
            return "RealTime";
        case TPriorityClass::Normal:
            break;
    }
    return "Normal";
}

}  // namespace

bool TFakeResidentProcess::CreateInstanceMutex(const std::string& name) {
    if (name == FMadeMeanwhile) {
        Log.push_back("mutex found made");
        return false;
    }
    FHeld = true;
    Log.push_back("mutex created");
    return true;
}

void TFakeResidentProcess::ReleaseInstanceMutex() {
    FHeld = false;
    Log.push_back("mutex released");
}

WindowId TFakeResidentProcess::FindWindowByClass(const std::string& className) {
    WindowId found;
    FDesktop.EnumerateTopLevelWindows([&](WindowId window) {
        if (FDesktop.Window(window).ClassName == className) found = window;
        return !found;
    });
    return found;
}

// The restore command brings a minimised window back, as the first copy's handler does.
void TFakeResidentProcess::SendRestoreCommand(WindowId window) {
    FDesktop.Window(window).Iconic = false;
    Log.push_back("restore");
}

void TFakeResidentProcess::SendRequest(WindowId window, std::uint32_t message) {
    FDesktop.Window(window).Received.push_back("sent " + std::to_string(message));
    Log.push_back("request " + std::to_string(message));
}

void TFakeResidentProcess::SetOwnPriority(TPriorityClass priority) {
    Log.push_back(std::string("priority ") + PriorityName(priority));
}

void TFakeResidentProcess::SetThreadPriority(TThreadPriority priority) {
    Log.push_back(priority == TThreadPriority::TimeCritical ? "thread TimeCritical"
                                                            : "thread Normal");
}

}  // namespace wyndrel::fakes
