// The editor's main window: the path child "TEdit" and the text control "TEditor".
#pragma once

#include "command_line.h"
#include "test_knobs.h"

#include "platform/win32/unique_handle.h"
#include "platform/win32/window_base.h"

namespace quillon {

// WM_APP + 400: save the document.
constexpr UINT WM_SAVEREQUEST = WM_APP + 400;

class TEditorWindow : public wyndrel::win32::TWindowBase {
public:
    TEditorWindow(TOpenRequest request, TTestKnobs knobs);

    // Creates the window at the place the start-up information asks for, if any, and shows
    // it as wWinMain was told to (the start-up information's show command, if any).
    bool Create(int showCommand);
    // Writes the text to the document's file and clears the modified flag.
    void Save(const wchar_t* way);

protected:
    bool OnCreate() override;
    void OnSize(int width, int height) override;
    void OnDestroy() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TOpenRequest FRequest;
    TTestKnobs FKnobs;
    HWND FPathChild = nullptr;
    HWND FTextChild = nullptr;
    wyndrel::win32::TUniqueGdiObject FFont;
};

}  // namespace quillon
