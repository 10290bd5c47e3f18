#include "charconv/CodePage850.h"
#include "editor/Memo.h"
#include "editor/PrintLayout.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Any bytes as a template to print: one text per line of at most 255
// characters, and every gray segment inside the cell of its line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr typ::TPrintMetrics kMetrics{47, 25, 3508};
    typ::TMemo memo;
    memo.SetText(typ::DosBytesToAnsi({reinterpret_cast<const char*>(data), size}));
    const typ::TPrintLayout layout = typ::LayOutPrint(memo, kMetrics);
    for (const typ::TTextRun& run : layout.Texts)
        if (run.Text.size() > typ::kMaxPrintedLine || run.At.X != typ::kPrintOrigin.X ||
            run.At.Y >= kMetrics.PrintableHeight)
            std::abort();
    const int right = static_cast<int>(typ::kMaxPrintedLine) * kMetrics.SpaceWidth + 2 * 13;
    for (const typ::TSegment& segment : layout.Segments) {
        for (const typ::TPoint& end : {segment.From, segment.To})
            if (end.X < typ::kBoxCellLeft || end.X > right || end.Y < typ::kPrintOrigin.Y ||
                end.Y > kMetrics.PrintableHeight + typ::kBoxCellHeight)
                std::abort();
    }
    if (layout.Segments.size() > 2 * typ::kMaxPrintedLine * layout.Texts.size())
        std::abort();
    return 0;
}
