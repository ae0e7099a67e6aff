// Layout files of 100,000 entries through the engine's writer and reader, against plain
// line-by-line writing and reading of the same bytes.
#include "layout/layout_file_format.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

using wyndrel::layout::TLayout;

std::vector<TLayout> Entries(int count) {
    std::vector<TLayout> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back({"C:\\Documents\\project\\file" + std::to_string(i) + ".txt",
                           i,
                           i % 1280,
                           i % 1024,
                           640,
                           480,
                           {}});
    return entries;
}

const std::vector<TLayout>& HundredThousand() {
    static const std::vector<TLayout> entries = Entries(100000);
    return entries;
}

const std::string& HundredThousandText() {
    static const std::string text = wyndrel::layout::WriteLayoutText(HundredThousand());
    return text;
}

void WriteLayout(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(wyndrel::layout::WriteLayoutText(HundredThousand()));
}

// The baseline: the same lines appended one by one.
void WritePlainLines(benchmark::State& state) {
    for (auto _ : state) {
        std::string text = "[QuillonLayoutFile]\r\n";
        for (const TLayout& entry : HundredThousand()) {
            text += "File=" + entry.FileName + "\r\n";
            text += "Curs=" + std::to_string(entry.SelStart) + "\r\n";
            text += "Rect=" + std::to_string(entry.Left) + "," + std::to_string(entry.Top) + "," +
                    std::to_string(entry.Width) + "," + std::to_string(entry.Height) + "\r\n";
        }
        benchmark::DoNotOptimize(text);
    }
}

void ReadLayout(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(wyndrel::layout::ReadLayoutText(HundredThousandText()));
}

// The baseline: splitting the same bytes into lines and keeping them.
void ReadPlainLines(benchmark::State& state) {
    for (auto _ : state) {
        std::istringstream in(HundredThousandText());
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        benchmark::DoNotOptimize(lines);
    }
}

BENCHMARK(WriteLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(WritePlainLines)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadPlainLines)->Unit(benchmark::kMillisecond);

}  // namespace
