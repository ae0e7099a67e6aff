// One auto-save pass: every qualifying editor window with unsaved changes is told to save.
#pragma once

#include "layout/layout_engine.h"
#include "settings/ini_access.h"

namespace wyndrel::layout {

// Reads the AutoSave settings afresh; raises ESilentAbort when the list pass has an empty list.
void RunAutoSavePass(TLayoutEngine& engine, settings::TIniAccess& ini);

}  // namespace wyndrel::layout
