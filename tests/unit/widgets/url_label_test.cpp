// The hyperlink label's colours through enter, press, release and leave, and its shell calls.
#include "widgets/url_label.h"

#include <gtest/gtest.h>

#include <vector>

namespace wyndrel::widgets {
namespace {

struct TRecordingPlatform : IURLLabelPlatform {
    bool Inside = true;
    int Repaints = 0;
    std::vector<std::string> Opened;
    void Repaint() override { ++Repaints; }
    bool PointerInside() override { return Inside; }
    void ShellOpen(const std::string& file) override { Opened.push_back(file); }
};

TEST(HyperlinkLabel, StartsWithTheHandCursorAndTheDefaultColours) {
    TRecordingPlatform platform;
    TURLLabel label(platform);
    EXPECT_EQ(label.Cursor(), 32761);
    EXPECT_EQ(label.HotColor(), 0xFFFF00u);
    EXPECT_EQ(label.PushedColor(), 0x0000FFu);
    EXPECT_TRUE(label.HotTrack());
    EXPECT_FALSE(label.Executable());
    label.SetHotColor(0xFFFF00);  // unchanged: no repaint
    label.SetPushedColor(0x00FF00);
    EXPECT_EQ(platform.Repaints, 1);
}

TEST(HyperlinkLabel, GoesHotPushedAndBackAsThePointerMovesAndButtonsAreReleased) {
    TRecordingPlatform platform;
    TURLLabel label(platform);
    label.SetFontColor(0x123456);
    label.MouseEnter();
    EXPECT_EQ(label.FontColor(), clAqua);
    label.MouseDown(TMouseButton::mbLeft);
    EXPECT_EQ(label.FontColor(), clRed);
    label.MouseUp(TMouseButton::mbLeft);  // released inside
    EXPECT_EQ(label.FontColor(), clAqua);
    label.MouseDown(TMouseButton::mbRight);
    platform.Inside = false;
    label.MouseUp(TMouseButton::mbRight);  // released outside
    EXPECT_EQ(label.FontColor(), 0x123456u);
    label.MouseEnter();
    label.MouseLeave();
    EXPECT_EQ(label.FontColor(), 0x123456u);
    EXPECT_TRUE(platform.Opened.empty());  // not executable: colours only

    label.SetHotTrack(false);
    label.MouseEnter();
    label.MouseDown(TMouseButton::mbLeft);
    EXPECT_EQ(label.FontColor(), 0x123456u);
}

TEST(HyperlinkLabel, OpensTheWholeCaptionOnEveryPressNotOnRelease) {
    TRecordingPlatform platform;
    TURLLabel label(platform);
    std::vector<std::string> events;
    label.OnMouseDown = [&](TURLLabel&, TMouseButton) {
        events.push_back("down " + std::to_string(platform.Opened.size()));
    };
    label.SetCaption("Mailto:someone@example.invalid?subject=from%20Wyndrel%20About");
    label.SetExecutable(true);
    label.SetHotTrack(false);
    for (TMouseButton button :
         {TMouseButton::mbLeft, TMouseButton::mbRight, TMouseButton::mbMiddle}) {
        label.MouseDown(button);
        label.MouseUp(button);
    }
    EXPECT_EQ(platform.Opened,
              std::vector<std::string>(
                  3, "Mailto:someone@example.invalid?subject=from%20Wyndrel%20About"));
    EXPECT_EQ(events, (std::vector<std::string>{"down 0", "down 1",
                                                "down 2"}));  // the event before the shell
}

}  // namespace
}  // namespace wyndrel::widgets
