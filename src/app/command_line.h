// The command-line table: what the program's arguments ask for.
#pragma once

#include <string>
#include <vector>

namespace wyndrel::app {

enum class TCommandKind {
    Resident,        // no arguments
    SaveWithDialog,  // "/SAVE"
    LoadWithDialog,  // "/LOAD" or "/OPEN"
    SaveTo,          // "/SAVE" and a path
    LoadFrom,        // "/LOAD" or "/OPEN" and a path, or any other single argument
    InvalidSwitch,   // any other first argument with a second one
    TooManyArguments
};

struct TCommand {
    TCommandKind Kind = TCommandKind::Resident;
    std::string Path;           // for SaveTo and LoadFrom
    std::string FirstArgument;  // as given, for the invalid-switch warning
};

// The first argument is compared after upper-casing, so switches are case-insensitive, but
// must otherwise match exactly.
TCommand ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace wyndrel::app
