// The auto-save pass. The all-files pass sends the save request and waits for each editor;
// the list pass posts it and goes on. The keystroke way types Ctrl+S into each editor in
// turn and gives the foreground back to the window that had it.
#include "layout/auto_save_pass.h"

#include "layout/editor_interface.h"
#include "platform/go_on_regardless.h"
#include "platform/silent_abort.h"
#include "settings/setting_keys.h"
#include "text/case_mapping.h"

#include <algorithm>
#include <vector>

namespace wyndrel::layout {
namespace {

// How long a keystroke save waits for the editor to come to the front, and then for it to
// have saved before the foreground goes back.
constexpr std::uint32_t ForegroundWaitMs = 1000;
constexpr std::uint32_t SaveWaitMs = 2000;

enum class TSaveType { Keystroke, Message };

// The keys are typed only once the editor is in front: typed into whatever window the user
// works in (the platform may refuse the foreground change), Ctrl+S would save or do
// something else there. Typed keys are delivered later, to whichever window is in front
// then, so the foreground goes back only when the editor has saved (or after a bound).
void KeystrokeSave(IDesktop& desktop, TBoundedWait& wait, WindowId editor, WindowId textControl) {
    WindowId previous = desktop.ForegroundWindow();
    RequestForeground(desktop, editor);
    if (wait.Until([&] { return desktop.IsInFront(editor); }, ForegroundWaitMs)) {
        desktop.KeyEvent(VirtualKeyControl, false, true);
        desktop.KeyEvent(VirtualKeyS, false, false);
        desktop.KeyEvent(VirtualKeyS, true, false);
        desktop.KeyEvent(VirtualKeyControl, true, true);
        // An editor that has not saved by the bound is given up on: the foreground goes back.
        GoOnRegardless(wait.Until([&] { return !desktop.IsModified(textControl); }, SaveWaitMs));
    }
    RequestForeground(desktop, previous);
    desktop.SetActiveWindow(previous);
}

bool IsEditor(TLayoutEngine& engine, WindowId window) {
    return engine.GetWndClassName(window) == EditorMainClass;
}

void AllFilesPass(TLayoutEngine& engine, TBoundedWait& wait, TSaveType saveType) {
    IDesktop& desktop = engine.Desktop();
    VisitTopLevelWindows(desktop, [&](WindowId window) {
        if (!IsEditor(engine, window)) return true;
        WindowId text = desktop.FindChild(window, EditorTextClass);
        if (!desktop.IsModified(text)) return true;
        if (saveType == TSaveType::Message)
            desktop.SendPrivateMessage(window, WM_SAVEREQUEST);
        else
            KeystrokeSave(desktop, wait, window, text);
        return true;
    });
}

std::vector<std::string> ListedFiles(settings::TIniAccess& ini) {
    using namespace settings::keys;
    std::int32_t count = ini.Read(AutoSaveFileCount);
    // A negative count lists nothing, as no entries can be read for it.
    if (count <= 0) throw ESilentAbort();
    std::vector<std::string> files;
    for (std::int32_t i = 0; i < count; ++i)
        files.push_back(text::LocaleUpper(ini.Read(AutoSaveFile, i)));
    return files;
}

void ListPass(TLayoutEngine& engine, settings::TIniAccess& ini, TBoundedWait& wait,
              TSaveType saveType) {
    const std::vector<std::string> files = ListedFiles(ini);
    IDesktop& desktop = engine.Desktop();
    VisitTopLevelWindows(desktop, [&](WindowId window) {
        try {
            if (!IsEditor(engine, window)) return true;
            WindowId path = desktop.FindChild(window, EditorPathClass);
            WindowId text = desktop.FindChild(window, EditorTextClass);
            if (!path || !text) return true;
            std::string shown = text::LocaleUpper(WholeWindowText(desktop, path));
            if (std::find(files.begin(), files.end(), shown) == files.end() ||
                !desktop.IsModified(text))
                return true;
            if (saveType == TSaveType::Message)
                desktop.PostPrivateMessage(window, WM_SAVEREQUEST);
            else
                KeystrokeSave(desktop, wait, window, text);
        } catch (const std::exception&) {
            // One window's trouble (it closed meanwhile, say) does not stop the others.
        }
        return true;
    });
}

}  // namespace

void RunAutoSavePass(TLayoutEngine& engine, settings::TIniAccess& ini, TBoundedWait& wait) {
    using namespace settings::keys;
    TSaveType saveType = ini.Read(AutoSaveSaveType) ? TSaveType::Message : TSaveType::Keystroke;
    if (ini.Read(AutoSaveForAllFiles))
        AllFilesPass(engine, wait, saveType);
    else
        ListPass(engine, ini, wait, saveType);
}

}  // namespace wyndrel::layout
