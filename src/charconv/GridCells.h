#pragma once

#include <string>
#include <string_view>

namespace typ {

// What a DOS file holds for a character its code page lacks, and so what the
// grid holds for one it cannot show in one cell.
constexpr char16_t kNoDosChar = u'?';

// Text as it enters the grid, from a host, the clipboard or a file: up to its
// first NUL, every line break (CR LF, lone CR, lone LF) made CR LF, and every
// character outside the Basic Multilingual Plane (a surrogate pair) or lone
// surrogate made one kNoDosChar — the byte the export writes for it — so one
// cell stays one byte in the file and one cell on paper.
std::u16string GridCellText(std::u16string_view text);

// One typed character as a cell: a surrogate half becomes kNoDosChar (the
// key filter swallows the first half of a pair, so a whole character typed
// outside the Basic Multilingual Plane takes one cell).
char16_t GridCell(char16_t c);

} // namespace typ
