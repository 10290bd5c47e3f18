#pragma once

#include "editor/Memo.h"
#include "editor/PrintBoxShapes.h"

#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace typ {

// What the printer's font and page tell the layout, in printer pixels.
struct TPrintMetrics {
    int LineHeight = 0;      // text height of "L": the line advance
    int SpaceWidth = 0;      // text width of " ": the box cell width W
    int PrintableHeight = 0; // lines starting at or below it do not appear
    // Columns whose text ends past it are cut by the sheet's edge.
    int PrintableWidth = std::numeric_limits<int>::max();
};

// A line's glyph layer, printed as one text at its place (DOS-as-ANSI text).
struct TTextRun {
    TPoint At;
    std::u16string Text;
    bool operator==(const TTextRun&) const = default;
};

// The printed page as data: the texts in the printer font, then the gray
// segments of the box-drawing characters, with the metrics they were laid
// out for and what of the template the sheet cannot hold.
struct TPrintLayout {
    std::vector<TTextRun> Texts;
    std::vector<TSegment> Segments;
    TPrintMetrics Metrics;
    int LinesOutside = 0;   // lines left out below the printable area
    int ColumnsOutside = 0; // columns of the widest line past its right edge
};

inline constexpr TPoint kPrintOrigin{15, 10};
inline constexpr std::size_t kMaxPrintedLine = 255;

// A line's DOS bytes split in two layers of equal length: box-drawing bytes in
// one, every other byte in the other, spaces where the other layer has a byte.
struct TLineLayers {
    std::string Glyphs;
    std::string Boxes;
    bool operator==(const TLineLayers&) const = default;
};

TLineLayers SplitLayers(std::string_view dosLine);

// Adds one line of DOS bytes printed at (x, y) to the layout: its first 255
// bytes, the glyph layer as text and the box-drawing layer as segments, one
// cell per position.
void PrintLine(int x, int y, std::string_view line, int spaceWidth, TPrintLayout& layout);

// Lays out every line of the memo on one page, from (15, 10) down by the line
// advance; the lines that would start below the printable area are left out,
// and counted, as are the columns that would end past its right edge.
TPrintLayout LayOutPrint(const TMemo& memo, const TPrintMetrics& metrics);

} // namespace typ
