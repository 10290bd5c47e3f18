#include "dialogs/ControlBounds.h"

namespace typ::dialogs {

TBounds AdjustedBounds(const TBounds& bounds, const TBoundsChange& change) {
    return {bounds.Left + change.Dx, bounds.Top + change.Dy, bounds.Width + change.Dw,
            bounds.Height + change.Dh};
}

} // namespace typ::dialogs
