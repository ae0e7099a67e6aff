// The main window's real view with its presenter inside the test process, where a drop built
// here can reach it and its window menu can be read: dropped layouts restored in order up to a
// silent abort with the drop always released, one set of window-menu entries after shows, the
// keyboard focus over activations, and the gradient bar's hint.
#include "app/main_window.h"
#include "app/main_window_commands.h"
#include "app/main_window_ids.h"
#include "app/win32/main_window_view.h"
#include "app/win32/resource_ids.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_files.h"
#include "fakes/fake_notify_area.h"
#include "fakes/fake_resident_process.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_user_interface.h"
#include "layout/layout_commands.h"
#include "platform/silent_abort.h"
#include "platform/win32/wide_string.h"
#include "support/desktop_probe.h"
#include "support/pump.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "support/win32_engine.h"
#include "ui/win32/dpi.h"
#include "widgets/task_tray_registry.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <functional>
#include <map>

namespace e2e {
namespace {

namespace app = wyndrel::app;
namespace ids = wyndrel::app::ids;
using wyndrel::win32::Narrow;

const wyndrel::THelpFiles HelpFiles = wyndrel::THelpFiles::Beside("C:\\Tools\\wyndrel.exe");

// The restore of dropped layouts through a function.
class TRestoreThrough : public app::ILayoutRestore {
public:
    explicit TRestoreThrough(std::function<void(const std::string&)> restore)
        : FRestore(std::move(restore)) {}
    void RestoreLayout(const std::string& path) override { FRestore(path); }

private:
    std::function<void(const std::string&)> FRestore;
};

// The window and its presenter on fake ports; dropped layouts go to `onLoad`.
class TMainWindowRun {
public:
    explicit TMainWindowRun(std::function<void(const std::string&)> onLoad)
        : Restore(std::move(onLoad)) {
        Ini.IniFileName = "C:\\Tools\\wyndrel.ini";
        Tray.SetIcon(wyndrel::widgets::TIconHandle{1});
        Form.FormCreate();
    }
    // The window goes before its presenter; its destruction quits, as the program's does,
    // and that quit is not left for the thread's later waits.
    ~TMainWindowRun() {
        Window.Destroy();
        MSG quit;
        ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    HWND Handle() const { return Window.Handle(); }

    wyndrel::fakes::TFakeUserInterface Ui;
    wyndrel::fakes::TFakeDesktop Desktop;
    wyndrel::fakes::TFakeFiles Files;
    wyndrel::settings::TIniAccess Ini{Files};
    wyndrel::fakes::TFakeResidentProcess Process{Desktop};
    wyndrel::fakes::TFakeTimer Timer;
    wyndrel::fakes::TFakeTimer TrayTimer;
    wyndrel::fakes::TFakeNotifyArea Area;
    wyndrel::widgets::TTaskTrayRegistry Registry{Area};
    wyndrel::widgets::TTaskTray Tray{Registry};
    wyndrel::widgets::TSKGradationG Grad;
    wyndrel::ui::TCommandTable Commands{&app::MainWindowCommandRule};
    wyndrel::ui::TAppActivation Activation;
    TRestoreThrough Restore;
    app::win32::TMainWindowView Window{Ui, Grad, Form,
                                       Activation};  // its presenter is made right after it
    app::TfrmWyndrel Form{{Window.View(), Window, Process, Files, Ini, Timer, Restore, TrayTimer},
                          Tray,
                          Grad,
                          Commands,
                          HelpFiles,
                          "C:\\Tools\\VOREZUVA.KTDK"};
};

// A drop as the shell hands it over: DROPFILES followed by the wide names, each ended by a
// zero, and one more zero after the last; an empty list has two, as readers skip one before
// they look for the end.
HDROP MakeDrop(const std::vector<std::wstring>& paths) {
    std::wstring names;
    for (const std::wstring& path : paths) names += path + L'\0';
    names += paths.empty() ? std::wstring(2, L'\0') : std::wstring(1, L'\0');
    const size_t bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GHND, bytes);
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(drop + 1, names.data(), names.size() * sizeof(wchar_t));
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// DragFinish frees the drop's memory: its handle no longer names a block.
bool Released(HDROP drop) { return ::GlobalSize(drop) == 0; }

TEST(MainWindowViewOnWin32,
     RestoresDroppedLayoutsInOrderUntilASilentAbortAndAlwaysReleasesTheDrop) {
    TTempFolder folder;
    TProcessGuard processes;
    const std::wstring document = folder.File(L"資料.txt");
    const std::wstring skippedDocument = folder.File(L"skipped.txt");
    WriteBytes(document, "first document");
    WriteBytes(skippedDocument, "never opened");
    const std::vector<std::wstring> layouts{folder.File(L"配置.qdl"), folder.File(L"aborts.qdl"),
                                            folder.File(L"skipped.qdl")};
    auto layoutOf = [](const std::wstring& path, int left) {
        return "[QuillonLayoutFile]\r\nFile=" + wyndrel::win32::Utf8ToAnsi(Narrow(path)) +
               "\r\nCurs=3\r\nRect=" + std::to_string(left) + ",90,380,260\r\n";
    };
    WriteBytes(layouts[0], layoutOf(document, 120));
    WriteBytes(layouts[2], layoutOf(skippedDocument, 300));

    TWin32Engine real;
    std::vector<std::string> loaded;
    TMainWindowRun run([&](const std::string& path) {
        loaded.push_back(path);
        if (path == Narrow(layouts[1])) throw wyndrel::ESilentAbort();
        wyndrel::layout::LoadLayout(real.Launcher, real.Files, real.Ui, path);
    });

    HDROP none = MakeDrop({});
    ::SendMessageW(run.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(none), 0);
    EXPECT_TRUE(loaded.empty());
    EXPECT_TRUE(Released(none));

    HDROP drop = MakeDrop(layouts);
    ASSERT_FALSE(Released(drop));
    ::SendMessageW(run.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(loaded, (std::vector<std::string>{Narrow(layouts[0]), Narrow(layouts[1])}));
    EXPECT_TRUE(Released(drop));
    HWND editor = WaitForEditorShowing(document);
    ASSERT_NE(editor, nullptr);
    processes.Adopt(editor);
    EXPECT_EQ(WindowRectangle(editor).left, 120);
    EXPECT_EQ(EditorCaret(editor), 3u);
    EXPECT_EQ(WaitForEditorShowing(skippedDocument, 0), nullptr);
}

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

// The test executable carries the program's icon resource as wyndrel.exe does.
TEST(MainWindowViewOnWin32, ShowsTheProgramsOwnIconLargeAndSmall) {
    TMainWindowRun run([](const std::string&) {});
    auto large = reinterpret_cast<HICON>(::GetClassLongPtrW(run.Handle(), GCLP_HICON));
    auto small = reinterpret_cast<HICON>(::GetClassLongPtrW(run.Handle(), GCLP_HICONSM));
    EXPECT_EQ(large,
              ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(WYNDREL_ICON_RESOURCE),
                           IMAGE_ICON, ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CXICON),
                           LR_SHARED));
    EXPECT_NE(large, ::LoadIconW(nullptr, IDI_APPLICATION));
    EXPECT_EQ(IconWidth(large), ::GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(IconWidth(small), ::GetSystemMetrics(SM_CXSMICON));
}

// The window menu's command identifiers, separators included, and how often each is there.
std::map<UINT, int> WindowMenuIds(HWND window) {
    HMENU menu = ::GetSystemMenu(window, FALSE);
    std::map<UINT, int> ids;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID;
        if (::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item)) ++ids[item.wID];
    }
    return ids;
}

void ShowAgain(HWND window) {
    ::ShowWindow(window, SW_HIDE);
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
}

TEST(MainWindowViewOnWin32, KeepsOneSetOfWindowMenuEntriesOverShowsWithHelpOnlyWhileItsFileExists) {
    TMainWindowRun run([](const std::string&) {});
    ::ShowWindow(run.Handle(), SW_SHOWNOACTIVATE);
    ShowAgain(run.Handle());
    std::map<UINT, int> ids = WindowMenuIds(run.Handle());
    for (UINT id : {ids::WindowMenuSeparator, ids::WindowMenuOptions, ids::WindowMenuAbout,
                    ids::WindowMenuMostTop})
        EXPECT_EQ(ids[id], 1) << id;
    EXPECT_EQ(ids.count(ids::WindowMenuHelp), 0u);
    EXPECT_EQ(ids.count(ids::WindowMenuScatter), 0u);
    HMENU menu = ::GetSystemMenu(run.Handle(), FALSE);
    EXPECT_EQ(::GetMenuItemID(menu, 6), static_cast<UINT>(ids::WindowMenuOptions));
    EXPECT_EQ(::GetMenuState(menu, ids::WindowMenuMostTop, MF_BYCOMMAND) & MF_CHECKED,
              static_cast<UINT>(MF_CHECKED));

    run.Files.AddFile(HelpFiles.Manual, "");  // the manual alone brings the entry
    ShowAgain(run.Handle());
    ShowAgain(run.Handle());
    ids = WindowMenuIds(run.Handle());
    for (UINT id : {ids::WindowMenuSeparator, ids::WindowMenuOptions, ids::WindowMenuAbout,
                    ids::WindowMenuMostTop, ids::WindowMenuHelp})
        EXPECT_EQ(ids[id], 1) << id;
    EXPECT_EQ(::GetMenuItemID(::GetSystemMenu(run.Handle(), FALSE), 9),
              static_cast<UINT>(ids::WindowMenuHelp));

    run.Files.RemoveFile(HelpFiles.Manual);
    ShowAgain(run.Handle());
    EXPECT_EQ(WindowMenuIds(run.Handle()).count(ids::WindowMenuHelp), 0u);
}

TEST(MainWindowViewOnWin32, FocusesBtnReadWhenFirstShownAndGivesTheFocusBackAtEachActivation) {
    TMainWindowRun run([](const std::string&) {});
    run.Files.AddFile("C:\\Tools\\wyndrel.ini", "[Option]\r\nIsGetFocusOnStart=True\r\n");
    run.Window.View().Show();
    HWND read = ::GetDlgItem(run.Handle(), ids::btnRead);
    EXPECT_TRUE(PumpUntil([&] { return ::GetFocus() == read; }, 5000));

    HWND save = ::GetDlgItem(run.Handle(), ids::btnSave);
    ::SetFocus(save);
    HWND other =
        ::CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 200,
                          100, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetActiveWindow(other);
    EXPECT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == other; }, 5000));
    ::SetActiveWindow(run.Handle());
    EXPECT_TRUE(PumpUntil([&] { return ::GetFocus() == save; }, 5000));
    ::DestroyWindow(other);
}

// The hint of the window's own area at a client point (96-DPI pixels), as the tooltip would
// show it there; empty where it has none.
std::wstring AreaHintAt(HWND window, POINT point) {
    HWND tooltip = TooltipOf(window);
    const int dpi = wyndrel::ui::win32::WindowDpi(window);
    TTHITTESTINFOW hit{};
    hit.hwnd = window;
    hit.pt = {::MulDiv(point.x, dpi, 96), ::MulDiv(point.y, dpi, 96)};
    hit.ti.cbSize = TTTOOLINFOW_V2_SIZE;
    if (!tooltip || !::SendMessageW(tooltip, TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit)))
        return {};
    wchar_t text[512] = {};
    hit.ti.lpszText = text;
    ::SendMessageW(tooltip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&hit.ti));
    return text;
}

TEST(MainWindowViewOnWin32, HintsTheGradientBarWhereItIsShown) {
    TMainWindowRun run([](const std::string&) {});
    run.Form.SetViewMode(app::TViewMode::Vertical);
    EXPECT_EQ(AreaHintAt(run.Handle(), {10, 8}),
              L"Wyndrel\r\n垂直モードでは、このバーを右クリックすると\r\nタスクトレイのアイコンと同"
              L"じメニューが出てきます。");
    EXPECT_EQ(AreaHintAt(run.Handle(), {10, 30}), L"");
    run.Form.SetViewMode(app::TViewMode::Normal);
    EXPECT_EQ(AreaHintAt(run.Handle(), {10, 8}), L"");
}

}  // namespace
}  // namespace e2e
