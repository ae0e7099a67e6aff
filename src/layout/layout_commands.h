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
void SaveLayout(TLayoutEngine& engine, IFiles& files, IUserInterface& ui, const std::string& path);

// Reads the whole file first; when it cannot be read or holds a bad line, tells the user why,
// starts and moves nothing, and raises ESilentAbort. Otherwise restores every entry in order.
void LoadLayout(TEditorLauncher& launcher, IFiles& files, IUserInterface& ui, const std::string& path);

}  // namespace wyndrel::layout
