#include "editor/WordWrap.h"

#include <benchmark/benchmark.h>
#include <string>

namespace typ {
namespace {

// A hosted text of some 10 MB: 40,000 lines of 250 characters.
const TMemo& HugeText() {
    static const TMemo memo = [] {
        std::u16string text;
        const std::u16string line(250, u'x');
        for (int i = 0; i < 40000; ++i)
            text += i == 0 ? line : u"\r\n" + line;
        TMemo built;
        built.SetText(text);
        return built;
    }();
    return memo;
}

// What the view pays after every change of the text or of its width.
void BM_WrapHugeText(benchmark::State& state) {
    const TMemo& memo = HugeText();
    TWordWrap wrap;
    for (auto _ : state) {
        wrap.Build(memo, 97);
        benchmark::DoNotOptimize(wrap.RowCount());
    }
}
BENCHMARK(BM_WrapHugeText);

// What a paint pays per visible row.
void BM_LineOfRowHugeText(benchmark::State& state) {
    TWordWrap wrap;
    wrap.Build(HugeText(), 97);
    int row = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wrap.CellOf({row, 0}));
        row = (row + 7919) % wrap.RowCount();
    }
}
BENCHMARK(BM_LineOfRowHugeText);

} // namespace
} // namespace typ
