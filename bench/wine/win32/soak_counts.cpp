// GetProcessHandleCount, GetGuiResources (or the GDI handle table), EnumWindows with
// EnumChildWindows, a thread snapshot, GetProcessMemoryInfo and GetProcessTimes on the resident
// program's process.
#include "soak_counts.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <vector>

namespace bench {
namespace {

struct TWindowCount {
    DWORD ProcessId;
    DWORD Count;
};

BOOL CALLBACK CountChild(HWND, LPARAM context) {
    ++reinterpret_cast<TWindowCount*>(context)->Count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM context) {
    auto& count = *reinterpret_cast<TWindowCount*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != count.ProcessId) return TRUE;
    ++count.Count;
    ::EnumChildWindows(window, CountChild, context);  // every descendant, not only children
    return TRUE;
}

DWORD WindowsOf(DWORD processId) {
    TWindowCount count{processId, 0};
    ::EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count.Count;
}

DWORD ThreadsOf(DWORD processId) {
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    DWORD threads = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Thread32First(snapshot, &entry); more;
         more = ::Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == processId) ++threads;
    ::CloseHandle(snapshot);
    return threads;
}

// One row of the system's handle table (the extended form, whose process ids are not cut
// to 16 bits).
struct THandleEntry {
    void* Object;
    ULONG_PTR ProcessId;
    ULONG_PTR HandleValue;
    ULONG GrantedAccess;
    USHORT CreatorBackTraceIndex;
    USHORT ObjectTypeIndex;
    ULONG HandleAttributes;
    ULONG Reserved;
};
struct THandleTable {
    ULONG_PTR Count;
    ULONG_PTR Reserved;
    THandleEntry Entries[1];
};
struct TCountedString {
    USHORT Length;  // in bytes
    USHORT MaximumLength;
    wchar_t* Buffer;
};

template <typename Function>
Function NtFunction(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), name)));
}

std::vector<THandleEntry> HandlesOf(DWORD processId) {
    constexpr ULONG SystemExtendedHandleInformation = 64;
    constexpr LONG InfoLengthMismatch = static_cast<LONG>(0xC0000004);
    const auto query =
        NtFunction<LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*)>("NtQuerySystemInformation");
    if (!query) return {};
    std::vector<unsigned char> buffer(1 << 20);
    LONG status;
    ULONG needed = 0;
    while ((status = query(SystemExtendedHandleInformation, buffer.data(),
                           static_cast<ULONG>(buffer.size()), &needed)) == InfoLengthMismatch)
        buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed));
    if (status < 0) return {};
    const auto* table = reinterpret_cast<const THandleTable*>(buffer.data());
    std::vector<THandleEntry> handles;
    for (ULONG_PTR i = 0; i < table->Count; ++i)
        if (table->Entries[i].ProcessId == processId) handles.push_back(table->Entries[i]);
    return handles;
}

// The object's type name, or its own name (`name`); empty when it cannot be read.
std::wstring ObjectText(HANDLE object, bool name) {
    const auto query =
        NtFunction<LONG(WINAPI*)(HANDLE, ULONG, void*, ULONG, ULONG*)>("NtQueryObject");
    alignas(8) unsigned char buffer[4096] = {};
    if (!query || query(object, name ? 1 : 2, buffer, sizeof(buffer) - 2, nullptr) < 0) return {};
    const auto& text = *reinterpret_cast<const TCountedString*>(buffer);
    return text.Buffer ? std::wstring(text.Buffer, text.Length / sizeof(wchar_t)) : std::wstring();
}

// Handles that Wine 8 itself leaks in the program's process: the registry key of the file
// dialogs' list of recent folders, once per dialog, and the unnamed event WaitForInputIdle
// is given for a process not yet idle, once per wait. Only a key's name is asked for: asking
// a pipe's can block on Windows.
bool IsPlatformLeak(HANDLE process, const THandleEntry& entry) {
    HANDLE copy = nullptr;
    if (!::DuplicateHandle(process, reinterpret_cast<HANDLE>(entry.HandleValue),
                           ::GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS))
        return false;
    const std::wstring type = ObjectText(copy, false);
    bool leak = false;
    if (type == L"Event") leak = ObjectText(copy, true).empty();
    if (type == L"Key") leak = ObjectText(copy, true).ends_with(L"\\ComDlg32\\LastVisitedMRU");
    ::CloseHandle(copy);
    return leak;
}

// The entries in use of the GDI handle table of `process` (the table its PEB names, which
// Wine 8 keeps one a process; an entry in use has a type); 0 when it cannot be read.
DWORD GdiObjectsInHandleTable(HANDLE process) {
    struct TBasicInformation {
        LONG ExitStatus;
        void* PebBaseAddress;
        ULONG_PTR AffinityMask;
        LONG BasePriority;
        ULONG_PTR UniqueProcessId;
        ULONG_PTR InheritedFromUniqueProcessId;
    };
    struct TGdiHandleEntry {
        UINT64 Object;
        ULONG Owner;
        USHORT Unique;
        UCHAR Type;
        UCHAR Flags;
        UINT64 UserPointer;
    };
    static_assert(sizeof(TGdiHandleEntry) == 24);
    constexpr std::size_t GdiHandleTableInPeb = 0xF8;  // PEB.GdiSharedHandleTable, 64-bit layout
    constexpr std::size_t GdiHandleTableEntries = 0x10000;
    const auto query =
        NtFunction<LONG(WINAPI*)(HANDLE, ULONG, void*, ULONG, ULONG*)>("NtQueryInformationProcess");
    TBasicInformation basic{};
    if (!query || query(process, 0, &basic, sizeof(basic), nullptr) < 0 || !basic.PebBaseAddress)
        return 0;
    void* table = nullptr;
    if (!::ReadProcessMemory(process,
                             static_cast<const char*>(basic.PebBaseAddress) + GdiHandleTableInPeb,
                             &table, sizeof(table), nullptr) ||
        !table)
        return 0;
    std::vector<TGdiHandleEntry> entries(GdiHandleTableEntries);
    if (!::ReadProcessMemory(process, table, entries.data(),
                             entries.size() * sizeof(TGdiHandleEntry), nullptr))
        return 0;
    return static_cast<DWORD>(
        std::count_if(entries.begin(), entries.end(),
                      [](const TGdiHandleEntry& entry) { return entry.Type != 0; }));
}

double Milliseconds(FILETIME time) {
    return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) |
                               time.dwLowDateTime) /
           10000.0;
}

}  // namespace

TCounts ReadCounts(HANDLE process) {
    TCounts counts;
    // Wine's GetProcessHandleCount answers 0 for another process; its handle table is right.
    const std::vector<THandleEntry> handles = HandlesOf(::GetProcessId(process));
    if (!::GetProcessHandleCount(process, &counts.Handles) || counts.Handles == 0)
        counts.Handles = static_cast<DWORD>(handles.size());
    for (const THandleEntry& entry : handles)
        counts.PlatformLeaks += IsPlatformLeak(process, entry);
    counts.GdiObjects = ::GetGuiResources(process, GR_GDIOBJECTS);
    if (counts.GdiObjects == 0) counts.GdiObjects = GdiObjectsInHandleTable(process);
    counts.UserObjects = ::GetGuiResources(process, GR_USEROBJECTS);
    counts.Windows = WindowsOf(::GetProcessId(process));
    counts.Threads = ThreadsOf(::GetProcessId(process));
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    if (::GetProcessMemoryInfo(process, &memory, sizeof(memory)))
        counts.WorkingSetKiB = static_cast<double>(memory.WorkingSetSize) / 1024.0;
    FILETIME created, ended, kernel, user;
    if (::GetProcessTimes(process, &created, &ended, &kernel, &user))
        counts.ProcessorMs = Milliseconds(kernel) + Milliseconds(user);
    return counts;
}

TGuiCounting GuiCounting(HANDLE process) {
    ::SetLastError(ERROR_SUCCESS);
    const DWORD user = ::GetGuiResources(process, GR_USEROBJECTS);
    const DWORD error = ::GetLastError();
    if (user != 0) return {true, true, {}};
    TGuiCounting counting;
    counting.Gdi = GdiObjectsInHandleTable(process) != 0;
    counting.Note =
        "GetGuiResources answers 0 (last error " + std::to_string(error) +
        (error == ERROR_CALL_NOT_IMPLEMENTED ? ", not implemented" : "") +
        ") for a process with windows: USER objects are not counted here, windows and threads "
        "are; " +
        (counting.Gdi ? "GDI objects are the entries in use of the process's GDI handle table"
                      : "GDI objects are not counted either");
    return counting;
}

}  // namespace bench
