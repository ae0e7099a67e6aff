// The gradient bar painted on a real window: the pixels read back through PrintWindow, at
// 96 DPI band for band, and after a change to 144 DPI scaled with its two end colours.
#include "platform/win32/window_base.h"
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
        RegisterWindowClass(L"WyndrelBarTest", nullptr, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        CreateOwnWindow(L"WyndrelBarTest", L"Gradient bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 40, 40, 240, 120);
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
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
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
    for (const auto& band : wyndrel::widgets::FillGradation(TDirection::dVertical, 5, 0, 11, 16, 53, CaptionBlue,
                                                            CaptionLight)) {
        expected.push_back(band.Color);
    }
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 53; ++x) ASSERT_EQ(capture.At(2 + x, 1 + y), expected[x]) << x << "," << y;
    }
    EXPECT_EQ(capture.At(2 + 32, 1), 0xAD7758u);  // band 27
    EXPECT_EQ(capture.At(2 + 52, 16), 0xDEB491u);  // band 47, not yet the end colour
    EXPECT_EQ(capture.At(2 + 53, 1), Background);
    EXPECT_EQ(capture.At(2, 17), Background);
    EXPECT_EQ(capture.At(1, 1), Background);
}

TEST(GradientBarOnWin32, ScalesItselfWhenTheWindowMovesToHundredFortyFourDpi) {
    TBarWindow window;
    // Wide enough for every band: the bar ends in its end colour.
    window.Model.SetBounds(2, 1, 60, 16);
    RECT suggested;
    ::GetWindowRect(window.Handle(), &suggested);
    ::SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    const RECT bounds = window.Bar->Bounds();
    EXPECT_EQ(bounds.left, 3);
    EXPECT_EQ(bounds.top, 2);
    EXPECT_EQ(bounds.right, 93);
    EXPECT_EQ(bounds.bottom, 26);

    TCapture capture = PrintClient(window.Handle());
    EXPECT_EQ(capture.At(3, 2), CaptionBlue);
    EXPECT_EQ(capture.At(10, 25), CaptionBlue);  // the leading strip is 8 columns wide now
    EXPECT_EQ(capture.At(92, 2), CaptionLight);
    EXPECT_EQ(capture.At(92, 25), CaptionLight);
    EXPECT_EQ(capture.At(93, 2), Background);
    EXPECT_EQ(capture.At(3, 26), Background);
}

}  // namespace
}  // namespace e2e
