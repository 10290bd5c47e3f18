#include "editor/GridEditor.h"

#include <benchmark/benchmark.h>
#include <string>

namespace typ {
namespace {

// A host text of 80,000 lines of two lengths: every short line is padded, as
// when a hosted window or an import fits the page to the text.
constexpr int kLines = 80000;
constexpr int kShort = 20;
constexpr int kLong = 40;

std::u16string TwoLengthText() {
    std::u16string text;
    for (int i = 0; i < kLines; ++i) {
        if (i > 0)
            text += u"\r\n";
        text.append(static_cast<std::size_t>(i % 2 == 0 ? kLong : kShort), u'x');
    }
    return text;
}

void BM_NormalizeEightyThousandLinesOfTwoLengths(benchmark::State& state) {
    const std::u16string text = TwoLengthText();
    TGridEditor grid;
    for (auto _ : state) {
        state.PauseTiming();
        grid.Editor().SetText(text);
        state.ResumeTiming();
        grid.SetPageSize(kLong, kLines);
    }
    if (grid.Editor().TextLength() != kLines * (kLong + 2) - 2 ||
        grid.Editor().Line(1) !=
            std::u16string(kShort, u'x') + std::u16string(kLong - kShort, u' '))
        state.SkipWithError("the page is not the text's grid");
}
BENCHMARK(BM_NormalizeEightyThousandLinesOfTwoLengths)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace typ
