#include "editor/GridEditor.h"

#include <benchmark/benchmark.h>

namespace typ {
namespace {

// The largest page the page dialog allows.
constexpr int kWidth = 250;
constexpr int kHeight = 500;

TGridEditor& FullPage() {
    static TGridEditor grid;
    grid.SetPageSize(kWidth, kHeight);
    return grid;
}

void Keystroke(TGridEditor& grid, char16_t c) {
    grid.KeyDown('X', 0);
    grid.KeyPress(c);
    grid.KeyUp('X', 0);
}

void SetInsertMode(TGridEditor& grid, bool on) {
    if (grid.InsertMode() != on) {
        grid.KeyDown(vk::Insert, 0);
        grid.KeyUp(vk::Insert, 0);
    }
}

int Offset(int column, int line) {
    return line * (kWidth + 2) + column;
}

void BM_KeystrokeOverwrite(benchmark::State& state) {
    TGridEditor& grid = FullPage();
    SetInsertMode(grid, false);
    for (auto _ : state) {
        grid.Editor().SetSelStart(Offset(100, 250));
        Keystroke(grid, u'x');
    }
}
BENCHMARK(BM_KeystrokeOverwrite);

void BM_KeystrokeInsert(benchmark::State& state) {
    TGridEditor& grid = FullPage();
    SetInsertMode(grid, true);
    for (auto _ : state) {
        grid.Editor().SetSelStart(Offset(100, 250));
        Keystroke(grid, u'x');
    }
}
BENCHMARK(BM_KeystrokeInsert);

// Typing over a selection that spans three lines joins them and re-normalises
// the whole page.
void BM_KeystrokeOverThreeLineSelection(benchmark::State& state) {
    TGridEditor& grid = FullPage();
    SetInsertMode(grid, false);
    for (auto _ : state) {
        grid.Editor().SetSel(Offset(100, 250), Offset(20, 252));
        Keystroke(grid, u'x');
    }
}
BENCHMARK(BM_KeystrokeOverThreeLineSelection);

} // namespace
} // namespace typ
