// After every test, ends the programs under test that are still running: the editors a
// wyndrel.exe started and the test never adopted, or a wyndrel.exe a failed assertion left.
// A test that fails half-way would otherwise leave its editors to the tests after it (which
// then count windows that are not theirs), and under Wine a child that holds the test's
// output open keeps ctest waiting until its time-out.
#include "support/programs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cwctype>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace e2e {
namespace {

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

// The full path of the process's program, in lower case; empty when it cannot be read.
std::wstring ImagePath(HANDLE process) {
    wchar_t path[MAX_PATH * 2] = {};
    DWORD length = MAX_PATH * 2;
    return ::QueryFullProcessImageNameW(process, 0, path, &length)
               ? Lower(std::wstring(path, length))
               : std::wstring();
}

// This process and the ones that started it: a test that runs this test program again as a
// child (to start it at another DPI) must not have its child end the parent still waiting.
std::set<DWORD> ThisProcessAndItsStarters(const std::vector<TRunningProcess>& running) {
    std::map<DWORD, DWORD> parents;
    for (const TRunningProcess& process : running) parents[process.Id] = process.ParentId;
    std::set<DWORD> line;
    for (DWORD id = ::GetCurrentProcessId(); id != 0 && line.insert(id).second;) {
        const auto parent = parents.find(id);
        if (parent == parents.end()) break;
        id = parent->second;
    }
    return line;
}

// Ends every process, other than this one and its starters, that runs a program from the
// test's folder; how many it ended.
int EndProgramsOfTheTestFolder() {
    const std::wstring folder = Lower(ProgramFolder());
    const std::vector<TRunningProcess> running = RunningProcesses();
    const std::set<DWORD> spared = ThisProcessAndItsStarters(running);
    int ended = 0;
    for (const TRunningProcess& candidate : running) {
        const DWORD id = candidate.Id;
        if (spared.count(id) != 0) continue;
        wyndrel::win32::TUniqueHandle process(::OpenProcess(
            PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, id));
        if (!process || ImagePath(process.Get()).rfind(folder, 0) != 0) continue;
        if (::WaitForSingleObject(process.Get(), 0) != WAIT_TIMEOUT) continue;
        if (!::TerminateProcess(process.Get(), 1)) continue;
        ::WaitForSingleObject(process.Get(), 5000);
        ++ended;
    }
    return ended;
}

class TLeftoverPrograms : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& test) override {
        const int ended = EndProgramsOfTheTestFolder();
        if (ended > 0)
            std::fprintf(stderr, "%s.%s left %d program(s) running; they were ended\n",
                         test.test_suite_name(), test.name(), ended);
    }
};

[[maybe_unused]] const bool Registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new TLeftoverPrograms);
    return true;
}();

}  // namespace
}  // namespace e2e
