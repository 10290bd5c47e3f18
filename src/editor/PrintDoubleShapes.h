#pragma once

#include "editor/PrintBoxShapes.h"

#include <vector>

namespace typ {

// Appends the shape of one of the eleven double-line bytes of code page 850
// (0xB9, 0xBA, 0xBB, 0xBC, 0xC8, 0xC9, 0xCA, 0xCB, 0xCC, 0xCD, 0xCE): two
// parallel lines a third of the cell apart, the outer and the inner line of
// each corner and tee meeting as the glyph shows them. False, adding nothing,
// for any other byte.
bool AppendDoubleShape(unsigned char byte, const TBoxCell& cell, std::vector<TSegment>& segments);

} // namespace typ
