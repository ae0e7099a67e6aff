// Saving the open editor windows into a layout file and restoring a layout file's windows.
#pragma once

#include "layout/editor_launcher.h"
#include "layout/layout_engine.h"
#include "platform/files.h"
#include "platform/user_interface.h"

#include <string>

namespace wyndrel::layout {

// Writes the layout of every editor window showing a file to `path` in one step; the user
// is told of every outcome but success. A failed write leaves the previous file whole.
// True when the file was written (callers that report a status, such as the command line,
// use it; the user has been told everything already).
bool SaveLayout(TLayoutEngine& engine, IFiles& files, IUserInterface& ui, const std::string& path);

// Reads the whole file first; when it cannot be read or holds a bad line, tells the user why,
// starts and moves nothing, and raises ESilentAbort. Otherwise restores every entry in order
// and returns true; false when the user stopped at the question about the file's header.
bool LoadLayout(TEditorLauncher& launcher, IFiles& files, IUserInterface& ui,
                const std::string& path);

}  // namespace wyndrel::layout
