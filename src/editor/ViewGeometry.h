#pragma once

#include "editor/Memo.h"

#include <string>
#include <string_view>

// The grid view's arithmetic in character cells: where an offset is shown,
// which offset a cell stands for, what part of a line is selected, how far to
// scroll, and the characters drawn for a stretch of a line. The view only
// turns cells into pixels.
namespace typ {

struct TCell {
    int Line = 0;
    int Column = 0;
    bool operator==(const TCell&) const = default;
};

// Offsets [Start, End) of the text, or columns [Start, End) of one line.
struct TRange {
    int Start = 0;
    int End = 0;
    bool operator==(const TRange&) const = default;
};

TCell CellOfOffset(const TMemo& memo, int offset);
// The offset nearest to a cell: the line is clamped to the text's lines, the
// column to the line's characters (a cell past the end is the line's end).
int OffsetOfCell(const TMemo& memo, TCell cell);
// The offset at the other end of the selection from the caret.
int SelectionAnchor(const TMemo& memo);
// What a double click at an offset selects: the run of blanks or of other
// characters around it, within its line.
TRange WordAt(const TMemo& memo, int offset);
// The selected columns of one line; empty when none of its characters is.
TRange SelectedColumns(const TMemo& memo, int line);

// The first visible item after scrolling just enough to show `target` in a
// window of `visible` items starting at `first`.
int ScrolledToShow(int first, int visible, int target);
// A scroll position kept within [0, total - visible].
int ClampedScroll(int first, int visible, int total);

// The characters drawn for [first, first + count) of a line: DOS glyphs when
// the font does not show them at their code positions. The text is not changed.
std::u16string DisplayText(std::u16string_view line, int first, int count, bool mapGlyphs);

} // namespace typ
