#pragma once

namespace typ {

// Drawing mode is one flag for the whole process, off at start: the Dibujar
// command sets it and every editor window reads it.
bool DrawingFlag();
void SetDrawingFlag(bool on);

} // namespace typ
