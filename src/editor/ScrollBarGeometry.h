#pragma once

#include "editor/PreviewZoom.h"

// A scroll bar along one direction of the preview: an arrow button at each
// end, the track between them and, on the track, the thumb, as long as the
// share of the content in sight. Offsets are pixels from the bar's start.
namespace typ {

enum class TBarPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

// The bar's length and the size of its square arrow buttons, which shrink to
// half the length each when the bar is shorter than both.
struct TBarExtent {
    int Length = 0;
    int Arrow = 0;
};

struct TSpan {
    int Start = 0;
    int Size = 0;
    bool operator==(const TSpan&) const = default;
};

// The thumb is never shorter than this, so that it can still be taken.
inline constexpr int kMinThumb = 8;

// Whether the axis has anything to scroll: its content is longer than its page.
bool BarScrolls(const TScrollAxis& axis);

// The track between the two arrows.
TSpan TrackSpan(const TBarExtent& bar);

// Where the thumb lies: nowhere (size 0) when there is nothing to scroll or no
// room for it on the track.
TSpan ThumbSpan(const TScrollAxis& axis, const TBarExtent& bar);

// The part under an offset; None outside the bar. Without a thumb the track
// belongs to no part: it pages nothing.
TBarPart BarPartAt(const TScrollAxis& axis, const TBarExtent& bar, int offset);

// The position a thumb starting at `thumbStart` stands for, within the axis's
// range: what dragging the thumb there scrolls to.
int PositionAtThumb(const TScrollAxis& axis, const TBarExtent& bar, int thumbStart);

} // namespace typ
