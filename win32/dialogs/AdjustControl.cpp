#include "dialogs/AdjustControl.h"

#include "dialogs/ControlBounds.h"

namespace typ::win {
namespace {

// A child is placed in its parent's client area; a dialog window (whose
// "parent" is only its owner) is placed on the screen.
HWND PlacementParent(HWND window) {
    const auto style = GetWindowLongPtrW(window, GWL_STYLE);
    return (style & WS_CHILD) != 0 ? GetParent(window) : nullptr;
}

} // namespace

void AdjustControl(HWND control, int dx, int dy, int dh, int dw) {
    RECT rect{};
    if (!control || !GetWindowRect(control, &rect))
        return;
    POINT topLeft{rect.left, rect.top};
    if (const HWND parent = PlacementParent(control))
        ScreenToClient(parent, &topLeft);
    const dialogs::TBounds bounds = dialogs::AdjustedBounds(
        {topLeft.x, topLeft.y, rect.right - rect.left, rect.bottom - rect.top}, {dx, dy, dh, dw});
    MoveWindow(control, bounds.Left, bounds.Top, bounds.Width, bounds.Height, TRUE);
}

} // namespace typ::win
