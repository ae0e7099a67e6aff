// Finding the editor's executable: its usual install path, else the running editors.
#pragma once

#include "platform/files.h"
#include "platform/processes.h"
#include "platform/user_interface.h"

#include <string>

namespace wyndrel::layout {

// A full path, or "" when none was found or the user cancelled; raises EEnumProcessesError
// when the running processes cannot be listed.
std::string FindEditorExecutable(IFiles& files, IProcesses& processes, IUserInterface& ui);

}  // namespace wyndrel::layout
