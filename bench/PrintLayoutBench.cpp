// Laying out a page of 250 x 500 frame characters, as printing and its
// preview do once: on an A4 sheet (what fits of it) and on an endless one.
#include "editor/PrintLayout.h"

#include <benchmark/benchmark.h>
#include <limits>
#include <string>

namespace {

typ::TMemo FramePage() {
    std::u16string text;
    for (int line = 0; line < 500; ++line)
        text += (line ? u"\r\n" : u"") + std::u16string(250, u'\u00C5'); // ┼
    typ::TMemo memo;
    memo.SetText(text);
    return memo;
}

void LayOut(benchmark::State& state, const typ::TPrintMetrics& metrics) {
    const typ::TMemo memo = FramePage();
    for (auto _ : state)
        benchmark::DoNotOptimize(typ::LayOutPrint(memo, metrics));
}

void BM_LayOutFramesOnA4(benchmark::State& state) {
    LayOut(state, {50, 25, 3508, 2480});
}
BENCHMARK(BM_LayOutFramesOnA4)->Unit(benchmark::kMillisecond);

void BM_LayOutFramesOnAnEndlessSheet(benchmark::State& state) {
    LayOut(state, {50, 25, std::numeric_limits<int>::max(), std::numeric_limits<int>::max()});
}
BENCHMARK(BM_LayOutFramesOnAnEndlessSheet)->Unit(benchmark::kMillisecond);

} // namespace
