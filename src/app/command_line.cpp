// Reading the command-line table.
#include "app/command_line.h"

#include "text/case_mapping.h"

namespace wyndrel::app {

TCommand ParseCommandLine(const std::vector<std::string>& arguments) {
    TCommand command;
    if (arguments.empty()) return command;
    command.FirstArgument = arguments[0];
    if (arguments.size() > 2) {
        command.Kind = TCommandKind::TooManyArguments;
        return command;
    }
    const std::string first = text::LocaleUpper(arguments[0]);
    const bool isSave = first == "/SAVE";
    const bool isLoad = first == "/LOAD" || first == "/OPEN";
    if (arguments.size() == 1) {
        command.Kind = isSave   ? TCommandKind::SaveWithDialog
                       : isLoad ? TCommandKind::LoadWithDialog
                                : TCommandKind::LoadFrom;
        if (command.Kind == TCommandKind::LoadFrom) command.Path = arguments[0];
        return command;
    }
    command.Path = arguments[1];
    command.Kind = isSave   ? TCommandKind::SaveTo
                   : isLoad ? TCommandKind::LoadFrom
                            : TCommandKind::InvalidSwitch;
    return command;
}

}  // namespace wyndrel::app
