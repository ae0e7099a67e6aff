// One auto-save pass: every qualifying editor window with unsaved changes is told to save.
#pragma once

#include "layout/bounded_wait.h"
#include "layout/layout_engine.h"
#include "settings/ini_access.h"

namespace wyndrel::layout {

// Reads the AutoSave settings afresh; raises ESilentAbort when the list pass has an empty list.
// A keystroke save waits, bounded, for the editor to come to the front and to have saved.
void RunAutoSavePass(TLayoutEngine& engine, settings::TIniAccess& ini, TBoundedWait& wait);

}  // namespace wyndrel::layout
