// The program's own process as the resident copy needs it: the instance mutex, finding and
// waking the first copy's window, its priority, and the start-up delay.
#pragma once

#include "platform/processes.h"
#include "platform/types.h"

#include <cstdint>
#include <string>

namespace wyndrel {

enum class TThreadPriority { Normal, TimeCritical };

class IResidentProcess {
public:
    virtual ~IResidentProcess() = default;

    // OpenMutex with full access: true when a mutex of that name exists (another copy holds
    // it); the handle opened to find out is closed at once.
    virtual bool InstanceMutexExists(const std::string& name) = 0;
    // CreateMutex, not initially owned, kept until ReleaseInstanceMutex: true when this call
    // made it. False when another copy made it since InstanceMutexExists looked (the system
    // answers ERROR_ALREADY_EXISTS); nothing is then kept.
    virtual bool CreateInstanceMutex(const std::string& name) = 0;
    virtual void ReleaseInstanceMutex() = 0;

    // FindWindow by class name, any title: a top-level window or none.
    virtual WindowId FindWindowByClass(const std::string& className) = 0;
    // Sent, waiting for the receiver: WM_SYSCOMMAND SC_RESTORE with lParam -1, and the
    // private `message` with both parameters 0. A receiver that hangs is given up on.
    virtual void SendRestoreCommand(WindowId window) = 0;
    virtual void SendRequest(WindowId window, std::uint32_t message) = 0;

    // The priority class of the program's own process and of its user-interface thread.
    virtual void SetOwnPriority(TPriorityClass priority) = 0;
    virtual void SetThreadPriority(TThreadPriority priority) = 0;
    // Sleep; only the start-up delay uses it, before any window of the program exists.
    virtual void Sleep(std::uint32_t ms) = 0;  // sleep-ok: the user's start-up delay only

    // When the system started, in 100-nanosecond units since 1601-01-01 (UTC), as file
    // times are kept.
    virtual std::int64_t SystemStartTime() = 0;
};

}  // namespace wyndrel
