// The fake frame's sizes.
#include "fakes/fake_main_window_frame.h"

namespace wyndrel::fakes {

app::TStartWindowMetrics TFakeMainWindowFrame::Metrics() {
    Rect client = FView.Bounds(ui::FormId);
    app::TStartWindowMetrics metrics;
    metrics.Current = Position;
    metrics.ClientWidth = client.Width();
    metrics.ClientHeight = client.Height();
    metrics.OuterWidth = client.Width() + (TitleBar ? 6 : 0);
    metrics.OuterHeight = client.Height() + (TitleBar ? 25 : 0);
    metrics.ScreenWidth = ScreenWidth;
    metrics.ScreenHeight = ScreenHeight;
    return metrics;
}

}  // namespace wyndrel::fakes
