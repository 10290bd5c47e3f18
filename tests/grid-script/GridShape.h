#pragma once

#include "editor/Memo.h"

#include <string>

namespace typ::test {

// The grid's shape: `lines` lines of exactly `width` characters, CR LF between
// them and nowhere else, no line break after the last. A character is one cell
// and one UTF-16 unit, since offsets step through the page in units of
// width + 2; a surrogate pair inside a line is one character in two cells and
// breaks that arithmetic. Empty when the memo has the shape, else what is wrong.
std::string GridShapeFault(const TMemo& memo, int width, int lines);

} // namespace typ::test
