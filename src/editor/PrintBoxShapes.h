#pragma once

#include "editor/Memo.h"

#include <vector>

namespace typ {

// A gray line of the printed page, drawn from its first point to its second.
struct TSegment {
    TPoint From;
    TPoint To;
    bool operator==(const TSegment&) const = default;
};

// The cell in which a box-drawing character is drawn, in printer pixels: cell
// i of a line printed at y spans X = i * W + 7 to R = X + 2h (W the width of a
// space, h = (W + 1) / 2) and T = y to B = y + 50, with its centre at (C, M).
struct TBoxCell {
    int X = 0;
    int C = 0;
    int R = 0;
    int T = 0;
    int M = 0;
    int B = 0;
};

inline constexpr int kBoxCellHeight = 50;
inline constexpr int kBoxCellLeft = 7;

TBoxCell BoxCell(int position, int lineTop, int spaceWidth);

// The DOS bytes drawn as lines: 0xB3-0xDA. The letters code page 850 keeps in
// that range are drawn as lines too.
bool IsBoxDrawingByte(unsigned char byte);

// Appends the segments of a box-drawing byte's shape in its cell, in drawing
// order. The eleven double-line bytes of code page 850 are drawn as double
// lines; the mixed frames of other code pages, letters in code page 850, take
// the shape of their single-line twin. Any other byte adds nothing.
void AppendBoxShape(unsigned char byte, const TBoxCell& cell, std::vector<TSegment>& segments);

} // namespace typ
