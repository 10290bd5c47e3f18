#pragma once

#include "Figures.h"

#include <windows.h>

namespace typ::bench {

// The scenarios, run against the focused window of a thread that shows a
// caret. Each starts where the previous one left the caret, so the caller
// places it first.

// The caret to the start of a line near the top.
void ToLineStart(int line);
// Letters typed at the caret, one per sample, back to the line's start
// (unmeasured) after every `perLine`, so a narrow page keeps taking them.
TSamples TypeLetters(DWORD thread, int samples, int perLine);
// The caret moved right and left in turn with the arrow keys.
TSamples MoveCaretSideways(DWORD thread, int samples);
// A key that shows nothing (Shift alone): a sample that sees a change
// means something else moves in the strip, such as a blinking caret.
TSamples PressNothing(DWORD thread, int samples);
// The caret taken to the window's bottom row, then each Down scrolls a line.
TSamples ScrollAtBottom(DWORD thread, int samples);

} // namespace typ::bench
