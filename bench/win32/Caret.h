#pragma once

#include <windows.h>
#include <optional>

namespace typ::bench {

// Where a window's thread shows its caret, in screen coordinates, and the
// client area of the window that owns it.
struct TCaretPlace {
    RECT Caret;
    RECT Client;
};

std::optional<TCaretPlace> CaretOf(DWORD thread);
// Waits until the thread shows a caret, a few seconds at most.
std::optional<TCaretPlace> WaitForCaret(DWORD thread);

// Cells around the caret on its row: two caret heights before it, four after,
// within the client area.
RECT AroundCaret(const TCaretPlace& place);
// The caret's row from the client's left edge, as far as forty cells go.
RECT CaretRow(const TCaretPlace& place);

} // namespace typ::bench
