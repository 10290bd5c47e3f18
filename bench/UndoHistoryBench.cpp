#include "editor/FindOptions.h"
#include "editor/GridEditor.h"
#include "editor/LineCommands.h"
#include "editor/SearchCommands.h"

#include <benchmark/benchmark.h>

namespace typ {
namespace {

// The largest page the page dialog allows, all blanks: one Replace All of
// about 125,000 blanks by three characters is one unit.
constexpr int kWidth = 250;
constexpr int kHeight = 500;

void ReplaceEveryBlank(TGridEditor& grid) {
    grid.Editor().SetText(u"");
    grid.SetPageSize(kWidth, kHeight);
    TSearchCommands search(
        grid.Editor(), [](std::u16string_view) { return false; }, nullptr);
    search.DoReplace(u" ", u"-+-", frDown | frReplaceAll);
}

void BM_UndoOfReplaceAllOnAFullPage(benchmark::State& state) {
    TGridEditor grid;
    ReplaceEveryBlank(grid);
    for (auto _ : state) {
        actDeshacerExecute(grid);
        state.PauseTiming();
        actRehacerExecute(grid);
        state.ResumeTiming();
    }
    state.counters["history_bytes"] = static_cast<double>(grid.Editor().History().MemoryUsed());
    if (grid.Editor().TextLength() != kWidth * kHeight * 3 + (kHeight - 1) * 2)
        state.SkipWithError("undo and redo did not give back the replaced page");
}
BENCHMARK(BM_UndoOfReplaceAllOnAFullPage)->Unit(benchmark::kMillisecond);

void BM_RedoOfReplaceAllOnAFullPage(benchmark::State& state) {
    TGridEditor grid;
    ReplaceEveryBlank(grid);
    for (auto _ : state) {
        state.PauseTiming();
        actDeshacerExecute(grid);
        state.ResumeTiming();
        actRehacerExecute(grid);
    }
    if (grid.Editor().TextLength() != kWidth * kHeight * 3 + (kHeight - 1) * 2)
        state.SkipWithError("undo and redo did not give back the replaced page");
}
BENCHMARK(BM_RedoOfReplaceAllOnAFullPage)->Unit(benchmark::kMillisecond);

// A thousand single keystrokes, each its own unit, on the same page.
void BM_ThousandKeystrokeUnits(benchmark::State& state) {
    TGridEditor grid;
    for (auto _ : state) {
        state.PauseTiming();
        grid.Editor().SetText(u"");
        grid.SetPageSize(kWidth, kHeight);
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i) {
            grid.BreakTypingRun();
            grid.Editor().SetSelStart((i / 4) * (kWidth + 2) + i % kWidth);
            grid.KeyDown('K', 0);
            grid.KeyPress(u'k');
            grid.KeyUp('K', 0);
        }
    }
    state.counters["history_bytes"] = static_cast<double>(grid.Editor().History().MemoryUsed());
    if (grid.Editor().History().UndoCount() != 1000)
        state.SkipWithError("the keystrokes did not make a thousand units");
}
BENCHMARK(BM_ThousandKeystrokeUnits)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace typ
