// The gradient bar painted on a real window: the pixels read back through PrintWindow, at
// 96 DPI band for band, and after a change to 144 DPI scaled with its two end colours.
#include "platform/win32/window_base.h"
#include "support/log_pixels.h"
#include "widgets/win32/gradation_bar.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace e2e {
namespace {

using wyndrel::widgets::TDirection;
using wyndrel::widgets::TSKGradationG;

constexpr COLORREF Background = RGB(255, 255, 255);
constexpr wyndrel::widgets::TColor CaptionBlue = 6956042;
constexpr wyndrel::widgets::TColor CaptionLight = 15780518;

// A window that carries nothing but the bar, as the main window does in its vertical shape.
class TBarWindow : public wyndrel::win32::TWindowBase {
public:
    TBarWindow() {
        RegisterWindowClass(L"WyndrelBarTest", nullptr,
                            static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        CreateOwnWindow(L"WyndrelBarTest", L"Gradient bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 40,
                        40, 240, 120);
        Model.SetBounds(2, 1, 53, 16);
        Model.SetDirection(TDirection::dVertical);
        Model.SetGradationStep(53);
        Model.SetStartColor(CaptionBlue);
        Model.SetEndColor(CaptionLight);
        Bar = std::make_unique<wyndrel::win32::TGradationBar>(Model, Handle());
    }
    TSKGradationG Model;
    std::unique_ptr<wyndrel::win32::TGradationBar> Bar;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (Bar && Bar->OnParentMessage(message, wParam, lParam)) return 0;
        return TWindowBase::OnMessage(message, wParam, lParam);
    }
};

// The client area as PrintWindow draws it, one COLORREF per pixel.
struct TCapture {
    int Width = 0;
    std::vector<COLORREF> Pixels;
    COLORREF At(int x, int y) const { return Pixels[static_cast<size_t>(y * Width + x)]; }
};

TCapture PrintClient(HWND window) {
    RECT client;
    ::GetClientRect(window, &client);
    TCapture capture{client.right, {}};
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::PrintWindow(window, memory, PW_CLIENTONLY);
    ::GdiFlush();
    for (int i = 0; i < client.right * client.bottom; ++i) {
        DWORD pixel = static_cast<const DWORD*>(bits)[i];  // 0x00RRGGBB
        capture.Pixels.push_back(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return capture;
}

TEST(GradientBarOnWin32, PaintsTheMainWindowBarColumnForColumnAtNinetySixDpi) {
    TBarWindow window;
    ASSERT_NE(window.Handle(), nullptr);
    ASSERT_EQ(window.Bar->Bounds().right, 55) << "the test expects the display at 96 DPI";
    TCapture capture = PrintClient(window.Handle());

    // Columns 0-4 the start colour, then one column per band; the bar ends at column 52.
    std::vector<COLORREF> expected(5, CaptionBlue);
    for (const auto& band : wyndrel::widgets::FillGradation(TDirection::dVertical, 5, 0, 11, 16, 53,
                                                            CaptionBlue, CaptionLight)) {
        expected.push_back(band.Color);
    }
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 53; ++x)
            ASSERT_EQ(capture.At(2 + x, 1 + y), expected[x]) << x << "," << y;
    }
    EXPECT_EQ(capture.At(2 + 32, 1), 0xAD7758u);   // band 27
    EXPECT_EQ(capture.At(2 + 52, 16), 0xDEB491u);  // band 47, not yet the end colour
    EXPECT_EQ(capture.At(2 + 53, 1), Background);
    EXPECT_EQ(capture.At(2, 17), Background);
    EXPECT_EQ(capture.At(1, 1), Background);
}

// The bar, widened so that every band fits, covers its rectangle scaled to `dpi`, from
// the start colour in its first column to the end colour in its last, and nothing beyond.
void ExpectScaledBar(TBarWindow& window, int dpi) {
    const RECT bounds = window.Bar->Bounds();
    EXPECT_EQ(bounds.left, ::MulDiv(2, dpi, 96));
    EXPECT_EQ(bounds.top, ::MulDiv(1, dpi, 96));
    EXPECT_EQ(bounds.right, ::MulDiv(62, dpi, 96));
    EXPECT_EQ(bounds.bottom, ::MulDiv(17, dpi, 96));
    TCapture capture = PrintClient(window.Handle());
    EXPECT_EQ(capture.At(bounds.left, bounds.top), CaptionBlue);
    EXPECT_EQ(capture.At(bounds.left + ::MulDiv(5, dpi, 96) - 1, bounds.bottom - 1), CaptionBlue);
    EXPECT_EQ(capture.At(bounds.right - 1, bounds.top), CaptionLight);
    EXPECT_EQ(capture.At(bounds.right - 1, bounds.bottom - 1), CaptionLight);
    EXPECT_EQ(capture.At(bounds.right, bounds.top), Background);
    EXPECT_EQ(capture.At(bounds.left, bounds.bottom), Background);
}

TEST(GradientBarOnWin32, ScalesItselfWhenTheWindowMovesToHundredFortyFourDpi) {
    TBarWindow window;
    window.Model.SetBounds(2, 1, 60, 16);
    RECT suggested;
    ::GetWindowRect(window.Handle(), &suggested);
    ::SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                   reinterpret_cast<LPARAM>(&suggested));
    ExpectScaledBar(window, 144);
}

// Run on its own at the session's DPI, and by the next test in a process started at 144.
TEST(GradientBarOnWin32, StartsScaledToTheSystemDpiOfAPerMonitorAwareProcess) {
    using TSetContext = BOOL(WINAPI*)(HANDLE);
    auto setContext = reinterpret_cast<TSetContext>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
    ASSERT_NE(setContext, nullptr);
    setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);  // as the program's manifest says
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    wchar_t expected[8] = L"";
    if (::GetEnvironmentVariableW(L"WYNDREL_EXPECTED_DPI", expected, 8)) {
        EXPECT_EQ(dpi, _wtoi(expected));
    }

    TBarWindow window;
    window.Model.SetBounds(2, 1, 60, 16);
    ExpectScaledBar(window, dpi);
}

TEST(GradientBarOnWin32, StartsScaledInAProcessStartedAtHundredFortyFourDpi) {
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine =
        L"\"" + std::wstring(self) +
        L"\" --gtest_filter=GradientBarOnWin32.StartsScaledToTheSystemDpiOfAPerMonitorAwareProcess";
    TLogPixels raised(144);
    ::SetEnvironmentVariableW(L"WYNDREL_EXPECTED_DPI", L"144");
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                          nullptr, nullptr, &startup, &process);
    ::SetEnvironmentVariableW(L"WYNDREL_EXPECTED_DPI", nullptr);
    ASSERT_TRUE(started);
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u) << "the bar in the process started at 144 DPI";
}

}  // namespace
}  // namespace e2e
