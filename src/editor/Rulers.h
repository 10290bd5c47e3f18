#pragma once

#include <string>
#include <string_view>

// Texts of the two rulers beside the grid, in DOS-as-ANSI characters (179 is
// the DOS vertical line, 196 the horizontal one). They are produced for the
// visible part only, so a page of any size costs nothing to show.
namespace typ {

// Row 0 of the top ruler holds the column numbers 10, 20, ... right-aligned in
// blocks of ten; row 1 a mark at every fifth column. Columns [first, first +
// count) of a ruler `width` characters wide.
std::u16string BuildHorizontalRuler(int row, int width, int first, int count);

// The left ruler's text for page line `line`, counted from 1: a long mark every
// ten lines, a short one at the fives, blanks elsewhere.
std::u16string_view VerticalRulerLine(int line);

} // namespace typ
