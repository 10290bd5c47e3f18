#include "editor/FindOptions.h"
#include "editor/GridEditor.h"
#include "editor/ReplaceAll.h"

#include <benchmark/benchmark.h>

namespace typ {
namespace {

// The largest page the page dialog allows, all blanks: about 125,000
// occurrences, each replaced by three characters.
constexpr int kWidth = 250;
constexpr int kHeight = 500;

void BM_ReplaceAllBlanksOfAFullPage(benchmark::State& state) {
    TGridEditor grid;
    int questions = 0;
    const TConfirm no = [&questions](std::u16string_view) {
        ++questions;
        return false;
    };
    for (auto _ : state) {
        state.PauseTiming();
        grid.Editor().SetText(u"");
        grid.SetPageSize(kWidth, kHeight);
        state.ResumeTiming();
        MemoReplaceAll(grid.Editor(), u" ", u"-+-", frDown, no);
    }
    if (grid.Editor().TextLength() != kWidth * kHeight * 3 + (kHeight - 1) * 2 ||
        questions != static_cast<int>(state.iterations()))
        state.SkipWithError("Replace All did not replace every blank");
}
BENCHMARK(BM_ReplaceAllBlanksOfAFullPage)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace typ
