// The About window's presenter on fakes: its version box, the system text line by line,
// the failures, the title animation and its show and close.
#include "dialogs/ver_info.h"

#include "dialogs/system_info_text.h"
#include "dialogs/ver_info_form.h"
#include "dialogs/ver_info_ids.h"
#include "fakes/fake_system_info.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_user_interface.h"
#include "fakes/fake_ver_info_frame.h"
#include "fakes/fake_version_resource.h"
#include "fakes/fake_view.h"
#include "fakes/version_block_builder.h"
#include "platform/silent_abort.h"

#include <gtest/gtest.h>

namespace wyndrel::dialogs {
namespace {

using namespace ver_info_ids;

constexpr const char* Exe = "C:\\tools\\wyndrel.exe";
constexpr const char* NtKey = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr std::uint64_t MiB = 1048576;

std::vector<std::uint8_t> Resource(const std::string& fileVersion) {
    return fakes::VersionResource(fakes::FixedPart(0, 1),
                                  {{"041104B0", {{"FileVersion", fileVersion}}}}, {{0x411, 1200}});
}

struct AboutWindow : ::testing::Test {
    fakes::TFakeView View{VerInfoForm()};
    fakes::TFakeVerInfoFrame Frame;
    fakes::TFakeUserInterface Ui;
    fakes::TFakeTimer Timer;
    fakes::TFakeVersionResource Versions;
    fakes::TFakeSystemInfo System;
    std::vector<std::string> Calls;
    TfrmVerInfo Form{TVerInfoPorts{
        View, Frame, Ui, Timer, Versions, System, Exe,
        [this] { Calls.push_back("Activate after " + std::to_string(Ui.PumpCount())); },
        [this] { Calls.push_back("Deactivate"); }}};

    AboutWindow() {
        Versions.Files[Exe] = Resource("1.2.3.4");
        Versions.Files["C:\\windows\\system32\\COMCTL32.DLL"] = Resource("6.10.19041.4355");
        System.Os = {2, 10, 0, 0x12344A65, "  "};
        System.Registry[{NtKey, "ProductName"}] = "Windows 10 Pro";
        System.Registry[{NtKey, "RegisteredOwner"}] = "山田";
        System.Memory = {512 * MiB, 256 * MiB, 6 * 1024 * MiB, 1024 * MiB - 1, 0, 0};
        Timer.OnTick([this] { Form.OnTimer(TimGrad); });
    }
    std::string SysInfo() const { return View.Text(txtSysInfo); }
    std::vector<widgets::TColor> Letters() const {
        std::vector<widgets::TColor> colors;
        for (int i = 0; i < TitleLetterCount; ++i) colors.push_back(Frame.Colors.at(lblTitle1 + i));
        return colors;
    }
};

TEST_F(AboutWindow, ShowsTheVersionAndEverySystemLineInItsFormat) {
    Form.FormShow();
    EXPECT_EQ(View.Text(txtVerInfo), " 1.2.3 Build:4");
    EXPECT_EQ(SysInfo(),
              "Windows       :Windows 10 Pro\r\n"
              "Platform Type :Windows NT\r\n"
              "WindowsVersion:10.0.19045\r\n"
              "User Name     :taro\r\n"
              "Owner Name    :山田\r\n"
              "Computer Name :DESK01\r\n"
              "物理MemorySize:513MB\r\n"
              "物理MemoryUse :257MB\r\n"
              "仮想MemorySize:6145MB\r\n"
              "仮想MemoryUse :5121MB\r\n"
              "PageMemorySize:1MB\r\n"
              "PageMemoryUse :1MB\r\n"
              "CMCTRL32.DLL  :6.10.19041.4355\r\n"
              "Screen Size   :1024x768\r\n"
              "Color Depth   :32 bpp(4294967296色)");
    // Only the address of the mail label shows; the whole caption is what it opens.
    EXPECT_EQ(View.Bounds(URLMAIL).Width(),
              static_cast<int>(text::CharacterCount(std::string("Mailto:") + ContactAddress)) *
                  fakes::TFakeVerInfoFrame::CharacterWidth);
    EXPECT_EQ(View.Text(URLMAIL),
              std::string("Mailto:") + ContactAddress + "?subject=from%20Wyndrel%20About");
    EXPECT_TRUE(Timer.Enabled());
    EXPECT_EQ(Timer.Interval(), 300u);
}

TEST_F(AboutWindow, WritesPlatformsServicePacksAndColourDepthsAsTheSystemGivesThem) {
    System.Os = {1, 4, 10, 0xC0000A00, " A "};
    System.Registry[{"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProductName"}] =
        "Windows 98";
    Form.FormShow();
    EXPECT_EQ(
        SysInfo().substr(0, SysInfo().find("\r\nUser")),
        "Windows       :Windows 98\r\nPlatform Type :Windows 9x\r\nWindowsVersion:4.10.2560  A ");
    EXPECT_NE(SysInfo().find("Owner Name    :\r\n"), std::string::npos);
    System.Os = {3, 5, 1, 2600, "Service Pack 3"};
    Form.FillInfo();
    EXPECT_EQ(SysInfo().substr(0, SysInfo().find("\r\nUser")),
              "WindowsVersion:5.1.2600 Service Pack 3");
    EXPECT_EQ(ColorDepthLine(1, 8), "Color Depth   :8 bpp(256色)");
    EXPECT_EQ(ColorDepthLine(1, 16), "Color Depth   :16 bpp(65536色)");
    EXPECT_EQ(ColorDepthLine(1, 24), "Color Depth   :24 bpp(16777216色)");
    EXPECT_EQ(ColorDepthLine(4, 64), "Color Depth   :0 bpp(1色)");
    EXPECT_EQ(PowerOfTwoText(70), "1180591620717411303424");
    EXPECT_EQ(MegabytesText(64 * 1024 * MiB), "65537MB");
}

TEST_F(AboutWindow, StopsSilentlyOnASixteenBitSystemAndLoudlyOnAnUnreadableLibrary) {
    System.Os.PlatformId = 0;
    EXPECT_THROW(Form.FormShow(), ESilentAbort);
    EXPECT_EQ(SysInfo(),
              "Windows       :16Bit Windows\r\nPlatform Type :Win32s\r\nWindowsVersion:Unkonwon\r\n"
              "16Bit Windowsの情報は取得出来ません");
    EXPECT_FALSE(Timer.Enabled());

    System.Os.PlatformId = 2;
    Versions.Files["C:\\windows\\system32\\COMCTL32.DLL"] = fakes::VersionResource(
        fakes::FixedPart(0, 2), {{"041104B0", {{"ProductName", "no version"}}}}, {{0x411, 1200}});
    try {
        Form.FormShow();
        ADD_FAILURE() << "no error raised";
    } catch (const EGetVerInfo& error) {
        EXPECT_STREQ(error.what(), "バージョン情報が取得できません.");
    }
    EXPECT_TRUE(SysInfo().ends_with("PageMemoryUse :1MB"));
    EXPECT_FALSE(Timer.Enabled());
}

TEST_F(AboutWindow, MovesTheTitleColoursOnePlaceRightEachTickAndBackAfterSeven) {
    Form.FormShow();
    const std::vector<widgets::TColor> start(StartTitleColors.begin(), StartTitleColors.end());
    EXPECT_EQ(Letters(), start);
    const int pumps = Ui.PumpCount();
    Timer.AdvanceTime(300);
    EXPECT_EQ(Letters(), (std::vector<widgets::TColor>{0xEDDB20, 0xFFFF20, 0xEDDB20, 0xDBB720,
                                                       0xC99320, 0xC99320, 0xDBB720}));
    EXPECT_EQ(Ui.PumpCount(), pumps + 1);  // the letters repaint before the next tick
    for (int tick = 2; tick <= 7; ++tick) Timer.AdvanceTime(300);
    EXPECT_EQ(Letters(), start);
}

TEST_F(AboutWindow, SwitchesTheMainTitleColoursAndClosesOnce) {
    Form.FormShow();
    Form.FormActivate();
    Form.Focus();
    EXPECT_EQ(Frame.Forwards, 1);
    Form.OnControl({btnOK, ui::TControlEventKind::Click});
    EXPECT_TRUE(View.Closed());
    Form.FormClose();
    Form.FormClose();
    Form.Focus();
    EXPECT_EQ(Frame.Forwards, 1);  // a closing window is not brought back
    EXPECT_FALSE(View.Visible(ui::FormId));
    EXPECT_FALSE(Timer.Enabled());
    EXPECT_EQ(Calls, (std::vector<std::string>{"Deactivate", "Activate after 2"}));
}

}  // namespace
}  // namespace wyndrel::dialogs
