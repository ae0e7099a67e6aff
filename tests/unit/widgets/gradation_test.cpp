// The gradient bar: band geometry and colours of its fills, and its property rules.
#include "widgets/sk_gradation.h"

#include <gtest/gtest.h>

namespace wyndrel::widgets {
namespace {

constexpr TColor CaptionBlue = 6956042;    // $6A240A
constexpr TColor CaptionLight = 15780518;  // $F0CAA6

TEST(GradationFill, TheMainWindowBarRunsFiftyFiveOnePixelColumnsOfWhichFortyEightShow) {
    auto bands = FillGradation(TDirection::dVertical, 5, 0, 11, 16, 53, CaptionBlue, CaptionLight);
    ASSERT_EQ(bands.size(), 55u);  // N + 2 bands, no trailing fill
    for (int i = 0; i < 55; ++i) EXPECT_EQ(bands[i].Bounds, (Rect{5 + i, 0, 6 + i, 16})) << i;
    EXPECT_EQ(bands[0].Color, CaptionBlue);
    EXPECT_EQ(bands[27].Color, 0xAD7758u);
    EXPECT_EQ(bands[47].Color, 0xDEB491u);
    EXPECT_EQ(bands[54].Color, CaptionLight);

    TSKGradationG bar;
    bar.SetBounds(2, 1, 53, 16);
    bar.SetDirection(TDirection::dVertical);
    bar.SetGradationStep(53);
    bar.SetStartColor(CaptionBlue);
    bar.SetEndColor(CaptionLight);
    auto painted = bar.PaintBands();
    ASSERT_EQ(painted.size(), 49u);  // the strip and the bands that begin inside the bar
    EXPECT_EQ(painted.front(), (TGradationBand{Rect{0, 0, 5, 16}, CaptionBlue}));
    EXPECT_EQ(painted.back(), (TGradationBand{Rect{52, 0, 53, 16}, 0xDEB491u}));
    EXPECT_EQ(bar.StartPoint(), 5);
    EXPECT_EQ(bar.EndPoint(), 11);
}

TEST(GradationFill, TheConstructionValuesGiveOnePixelRowsThenTheEndColourUpToTheEndPoint) {
    TSKGradationG bar;
    auto painted = bar.PaintBands();
    ASSERT_EQ(painted.size(), 1u + 202u + 1u);
    EXPECT_EQ(painted[0], (TGradationBand{Rect{0, 0, 265, 5}, 0xFF0000u}));
    EXPECT_EQ(painted[1], (TGradationBand{Rect{0, 5, 265, 6}, 0xFF0000u}));
    EXPECT_EQ(painted[101].Color, 129u * 65536u);  // 255 + Trunc(-255 / 201 * 100)
    EXPECT_EQ(painted[202], (TGradationBand{Rect{0, 206, 265, 207}, 0u}));
    EXPECT_EQ(painted[203], (TGradationBand{Rect{0, 207, 265, 260}, 0u}));
}

TEST(GradationFill, StepZeroEqualColoursAndShortProductsFollowTheArithmetic) {
    // Two bands, each as long as the far coordinate; the second starts at top + bottom.
    auto two = FillGradation(TDirection::dHorizontal, 0, 10, 100, 40, 0, 0x0000FF, 0xFF0000);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0], (TGradationBand{Rect{0, 10, 100, 50}, 0x0000FFu}));
    EXPECT_EQ(two[1], (TGradationBand{Rect{0, 50, 100, 90}, 0xFF0000u}));

    for (const auto& band :
         FillGradation(TDirection::dVertical, 3, 0, 40, 9, 7, 0x123456, 0x123456)) {
        EXPECT_EQ(band.Color, 0x123456u);
    }
    // 255 / 25 * 25 lands just below 255 in double precision: the last band stays one short.
    EXPECT_EQ(FillGradation(TDirection::dHorizontal, 0, 0, 10, 100, 24, 0, 0x0000FF).back().Color,
              0xFEu);
    // A set high byte is not a colour of its own: only the three low bytes are blended.
    EXPECT_EQ(FillGradation(TDirection::dVertical, 0, 0, 30, 5, 4, 0xFF00000Fu, 0x80FFFFFFu),
              FillGradation(TDirection::dVertical, 0, 0, 30, 5, 4, 0x0000000Fu, 0x00FFFFFFu));
    EXPECT_EQ(ColorPart(0x80FFFFFFu, 3), 0);
    EXPECT_EQ(
        PartsToColor(ColorPart(0x11223344, 0), ColorPart(0x11223344, 1), ColorPart(0x11223344, 2)),
        0x223344u);
}

TEST(GradationFill, VerticalBandsRoundHalfToEvenWhileHorizontalOnesTruncate) {
    EXPECT_EQ(FillGradation(TDirection::dVertical, 0, 0, 5, 1, 1, 0, 0)[0].Bounds.Width(),
              2);  // 2.5
    EXPECT_EQ(FillGradation(TDirection::dVertical, 0, 0, 7, 1, 1, 0, 0)[0].Bounds.Width(),
              4);  // 3.5
    EXPECT_EQ(FillGradation(TDirection::dHorizontal, 0, 0, 1, 7, 1, 0, 0)[0].Bounds.Height(), 3);
    // Sized from the far coordinate, not the extent: 20 / 2 although only 10 rows are left.
    EXPECT_EQ(FillGradation(TDirection::dHorizontal, 0, 10, 1, 20, 1, 0, 0)[0].Bounds.Height(), 10);
    EXPECT_TRUE(FillGradation(TDirection::dHorizontal, 0, 0, 1, 7, -1, 0, 0).empty());
}

TEST(GradationBar, SettersCompareFirstAndKeepTheTwoPointsApart) {
    TSKGradationG bar;
    int repaints = 0;
    bar.OnInvalidate = [&] { ++repaints; };
    bar.SetGradationStep(200);
    bar.SetStartColor(0xFF0000);
    bar.SetBounds(0, 0, 265, 265);
    EXPECT_EQ(repaints, 0);

    bar.SetEndColor(0x00FF00);
    EXPECT_EQ(bar.Color(), 0x00FF00u);
    bar.SetStartPoint(260);  // the end point's value
    EXPECT_EQ(bar.StartPoint(), 0);
    bar.SetStartPoint(7);
    bar.SetEndPoint(7);  // the start point's value
    EXPECT_EQ(bar.EndPoint(), 265);
    EXPECT_EQ(repaints, 4);

    // With the automatic points, a paint overwrites both without asking for another paint.
    bar.SetAutoPoint(9);
    repaints = 0;
    bar.PaintBands();
    EXPECT_EQ(bar.StartPoint(), 9);
    EXPECT_EQ(bar.EndPoint(), 256);
    EXPECT_EQ(repaints, 0);
}

TEST(GradationBar, ReportsPaintAfterDrawingAndTheMouseWithItselfAsSender) {
    TSKGradationG bar;
    std::vector<std::string> log;
    bar.OnPaint = [&](TSKGradationG& sender) {
        log.push_back(&sender == &bar ? "paint" : "other");
    };
    bar.OnMouseEnter = [&](TSKGradationG&) { log.push_back("enter"); };
    bar.OnMouseExit = [&](TSKGradationG&) { log.push_back("exit"); };
    bar.OnMouseDown = [&](TSKGradationG&, TMouseButton b, TShiftState s, int x, int y) {
        log.push_back("down " + std::to_string(static_cast<int>(b)) + " " + std::to_string(s) +
                      " " + std::to_string(x) + "," + std::to_string(y));
    };
    bar.Paint([&](const TGradationBand&) {
        if (log.empty()) log.push_back("fill");
    });
    bar.MouseEnter();
    bar.MouseDown(TMouseButton::mbRight, ssRight, 3, 4);
    bar.MouseUp(TMouseButton::mbRight, ssRight, 3, 4);  // no handler: nothing happens
    bar.MouseLeave();
    EXPECT_EQ(log, (std::vector<std::string>{"fill", "paint", "enter", "down 1 16 3,4", "exit"}));
}

}  // namespace
}  // namespace wyndrel::widgets
