// The resident-process port on Win32: a named mutex, FindWindow, bounded sends, priorities.
#pragma once

#include "platform/resident_process.h"
#include "platform/win32/unique_handle.h"

namespace wyndrel::win32 {

class TWin32ResidentProcess : public IResidentProcess {
public:
    bool InstanceMutexExists(const std::string& name) override;
    bool CreateInstanceMutex(const std::string& name) override;
    void ReleaseInstanceMutex() override;
    WindowId FindWindowByClass(const std::string& className) override;
    void SendRestoreCommand(WindowId window) override;
    void SendRequest(WindowId window, std::uint32_t message) override;
    void SetOwnPriority(TPriorityClass priority) override;
    void SetThreadPriority(TThreadPriority priority) override;
    void Sleep(std::uint32_t ms) override;  // sleep-ok: the user's start-up delay
    std::int64_t SystemStartTime() override;

private:
    TUniqueHandle FMutex;
};

}  // namespace wyndrel::win32
