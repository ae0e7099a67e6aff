// The Run value: what names this executable, and its writing and removal.
#include "platform/start_with_windows.h"

#include "text/case_mapping.h"

namespace wyndrel {
namespace {

// The program part of a command line: the quoted text, or everything up to the first blank.
std::string_view ProgramOf(std::string_view command) {
    const std::size_t start = command.find_first_not_of(' ');
    if (start == std::string_view::npos) return {};
    command.remove_prefix(start);
    if (command.front() == '"') {
        command.remove_prefix(1);
        return command.substr(0, command.find('"'));
    }
    return command.substr(0, command.find(' '));
}

}  // namespace

bool TStartWithWindows::Registered() {
    const std::optional<std::string> value =
        FRegistry.ReadString(std::string(RunKey), std::string(RunValueName));
    return value && text::SameTextIgnoringCase(ProgramOf(*value), FExePath);
}

std::optional<TPlatformError> TStartWithWindows::Set(bool on) {
    if (on)
        return FRegistry.WriteString(std::string(RunKey), std::string(RunValueName), RunCommand());
    if (!Registered()) return std::nullopt;
    return FRegistry.DeleteValue(std::string(RunKey), std::string(RunValueName));
}

}  // namespace wyndrel
