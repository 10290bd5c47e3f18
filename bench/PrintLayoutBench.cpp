// Laying out a page of 250 x 500 frame characters, as printing and its
// preview do once: on an A4 sheet (what fits of it) and on an endless one.
#include "FramePage.h"
#include "editor/PrintLayout.h"

#include <benchmark/benchmark.h>
#include <limits>
#include <string>

namespace {

void LayOut(benchmark::State& state, const typ::TPrintMetrics& metrics) {
    const typ::TMemo memo = typ::bench::FramePage();
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
