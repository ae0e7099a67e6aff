// Reads the QUILLON_DOUBLE_* variables and writes the save and start logs.
#include "test_knobs.h"

#include "platform/win32/wide_string.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/windows_header.h"

#include <cstdio>
#include <cwchar>

namespace quillon {
namespace {

std::wstring Variable(const wchar_t* name) {
    wchar_t buffer[1024] = {};
    DWORD length = ::GetEnvironmentVariableW(name, buffer, 1024);
    return length > 0 && length < 1024 ? std::wstring(buffer, length) : std::wstring();
}

// Editors started together write their lines at the same moment, and an append is a seek to
// the end followed by a write: without the lock two of them can write over each other's line.
class TLogLock {
public:
    TLogLock() : FMutex(::CreateMutexW(nullptr, FALSE, L"QuillonDoubleLogLock")) {
        if (!FMutex) return;
        const DWORD waited = ::WaitForSingleObject(FMutex.Get(), 10000);
        FOwned = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;  // a killed editor's: ours
    }
    ~TLogLock() {
        if (FOwned) ::ReleaseMutex(FMutex.Get());
    }
    TLogLock(const TLogLock&) = delete;
    TLogLock& operator=(const TLogLock&) = delete;

private:
    wyndrel::win32::TUniqueHandle FMutex;
    bool FOwned = false;
};

void AppendLine(const std::wstring& logPath, const std::wstring& text) {
    if (logPath.empty()) return;
    TLogLock lock;
    FILE* log = _wfopen(logPath.c_str(), L"ab");
    if (!log) return;
    std::string line = wyndrel::win32::Narrow(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), log);
    std::fclose(log);
}

int Number(const std::wstring& text) {
    return text.empty() ? 0 : static_cast<int>(std::wcstol(text.c_str(), nullptr, 10));
}

}  // namespace

TTestKnobs ReadTestKnobs() {
    TTestKnobs knobs;
    std::wstring idle = Variable(L"QUILLON_DOUBLE_IDLE_DELAY_MS");
    knobs.NeverIdle = idle == L"never";
    knobs.IdleDelayMs = knobs.NeverIdle ? 0 : Number(idle);
    knobs.WindowDelayMs = Number(Variable(L"QUILLON_DOUBLE_WINDOW_DELAY_MS"));
    knobs.SaveLogPath = Variable(L"QUILLON_DOUBLE_SAVE_LOG");
    knobs.StartLogPath = Variable(L"QUILLON_DOUBLE_START_LOG");
    std::wstring position = Variable(L"QUILLON_DOUBLE_POSITION");
    knobs.HasPosition = std::swscanf(position.c_str(), L"%d,%d", &knobs.Left, &knobs.Top) == 2;
    knobs.Caret = Number(Variable(L"QUILLON_DOUBLE_CARET"));
    return knobs;
}

void LogStart(const TTestKnobs& knobs, const wchar_t* commandLine) {
    AppendLine(knobs.StartLogPath, commandLine);
}

void LogSave(const TTestKnobs& knobs, const wchar_t* way, const std::wstring& path) {
    AppendLine(knobs.SaveLogPath, std::wstring(way) + L"\t" + path);
}

}  // namespace quillon
