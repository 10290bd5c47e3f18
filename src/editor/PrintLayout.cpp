#include "editor/PrintLayout.h"

#include "charconv/CodePage850.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace typ {

namespace {

// As a string list counts them: a last empty line after a line break is none.
int PrintedLineCount(const TMemo& memo) {
    const int lines = memo.LineCount();
    return lines > 0 && memo.LineLength(lines - 1) == 0 ? lines - 1 : lines;
}

// The DOS bytes of the printed part of a line. A character may take two
// UTF-16 units, so twice the bytes' worth of units is enough to convert.
std::string PrintedBytes(std::u16string_view line) {
    std::string bytes = AnsiToDosBytes(line.substr(0, 2 * kMaxPrintedLine));
    if (bytes.size() > kMaxPrintedLine)
        bytes.resize(kMaxPrintedLine);
    return bytes;
}

// The columns that end inside the printable width: the text of column i ends
// at 15 + (i + 1) * W. All of them when the space has no width.
std::int64_t FittingColumns(const TPrintMetrics& metrics) {
    if (metrics.SpaceWidth <= 0)
        return std::numeric_limits<std::int64_t>::max();
    const std::int64_t room = std::int64_t{metrics.PrintableWidth} - kPrintOrigin.X;
    return std::max<std::int64_t>(0, room / metrics.SpaceWidth);
}

// Counted in DOS bytes, one a printed column; those past the longest printed
// line are lost as well.
int ColumnsOutside(const TMemo& memo, int lines, const TPrintMetrics& metrics) {
    std::int64_t widest = 0;
    for (int line = 0; line < lines; ++line)
        widest = std::max<std::int64_t>(
            widest, static_cast<std::int64_t>(AnsiToDosBytes(memo.Line(line)).size()));
    return static_cast<int>(std::max<std::int64_t>(0, widest - FittingColumns(metrics)));
}

} // namespace

TLineLayers SplitLayers(std::string_view dosLine) {
    TLineLayers layers{std::string(dosLine.size(), ' '), std::string(dosLine.size(), ' ')};
    for (std::size_t i = 0; i < dosLine.size(); ++i) {
        const auto byte = static_cast<unsigned char>(dosLine[i]);
        (IsBoxDrawingByte(byte) ? layers.Boxes : layers.Glyphs)[i] = dosLine[i];
    }
    return layers;
}

void PrintLine(int x, int y, std::string_view line, int spaceWidth, TPrintLayout& layout) {
    const TLineLayers layers = SplitLayers(line.substr(0, kMaxPrintedLine));
    layout.Texts.push_back({{x, y}, DosBytesToAnsi(layers.Glyphs)});
    for (std::size_t i = 0; i < layers.Boxes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(layers.Boxes[i]);
        if (byte != ' ')
            AppendBoxShape(byte, BoxCell(static_cast<int>(i), y, spaceWidth), layout.Segments);
    }
}

TPrintLayout LayOutPrint(const TMemo& memo, const TPrintMetrics& metrics) {
    TPrintLayout layout;
    layout.Metrics = metrics;
    const int lines = PrintedLineCount(memo);
    std::int64_t y = kPrintOrigin.Y;
    int line = 0;
    for (; line < lines && y < metrics.PrintableHeight; ++line) {
        PrintLine(kPrintOrigin.X, static_cast<int>(y), PrintedBytes(memo.Line(line)),
                  metrics.SpaceWidth, layout);
        y += metrics.LineHeight;
    }
    layout.LinesOutside = lines - line;
    layout.ColumnsOutside = ColumnsOutside(memo, lines, metrics);
    return layout;
}

} // namespace typ
