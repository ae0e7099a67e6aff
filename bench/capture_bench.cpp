// CaptureEditors over 1,000 fake editor windows, against a loop that makes only the same
// queries of the fake desktop.
#include "fakes/fake_desktop.h"
#include "layout/layout_engine.h"

#include <benchmark/benchmark.h>

namespace {

wyndrel::fakes::TFakeDesktop& ThousandEditors() {
    static wyndrel::fakes::TFakeDesktop desktop = [] {
        wyndrel::fakes::TFakeDesktop made;
        for (int i = 0; i < 1000; ++i)
            made.AddEditor("C:\\Documents\\file" + std::to_string(i) + ".txt",
                           {i, i, i + 640, i + 480}, i, "text");
        return made;
    }();
    return desktop;
}

void CaptureEditors(benchmark::State& state) {
    wyndrel::layout::TLayoutEngine engine(ThousandEditors());
    for (auto _ : state) {
        auto captured = engine.CaptureEditors();
        benchmark::DoNotOptimize(captured);
    }
}

// The baseline: enumeration, class name, path child with its text in one read, show state,
// rectangle and caret per window: the queries a capture needs.
void RawQueries(benchmark::State& state) {
    wyndrel::IDesktop& desktop = ThousandEditors();
    for (auto _ : state) {
        int count = 0;
        wyndrel::VisitTopLevelWindows(desktop, [&](wyndrel::WindowId window) {
            auto name = desktop.ClassName(window, 256);
            wyndrel::WindowId edit = desktop.FindChild(window, "TEdit");
            std::string path = desktop.WindowText(edit, 512);
            bool iconic = desktop.IsIconic(window);
            auto bounds = desktop.WindowRect(window);
            bool zoomed = desktop.IsZoomed(window);
            benchmark::DoNotOptimize(iconic);
            benchmark::DoNotOptimize(zoomed);
            auto caret = desktop.SelectionStart(desktop.FindChild(window, "TEditor"));
            benchmark::DoNotOptimize(name);
            benchmark::DoNotOptimize(bounds);
            benchmark::DoNotOptimize(caret);
            count += !path.empty();
            return true;
        });
        benchmark::DoNotOptimize(count);
    }
}

BENCHMARK(CaptureEditors)->Unit(benchmark::kMicrosecond);
BENCHMARK(RawQueries)->Unit(benchmark::kMicrosecond);

}  // namespace
