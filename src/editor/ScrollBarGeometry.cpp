#include "editor/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdint>

namespace typ {

namespace {

int ArrowOf(const TBarExtent& bar) {
    return std::clamp(bar.Arrow, 0, std::max(0, bar.Length) / 2);
}

int LastPosition(const TScrollAxis& axis) {
    return std::max(0, axis.Content - axis.Page);
}

// The division rounded to the nearest, for non-negative operands.
int RoundedRatio(std::int64_t numerator, std::int64_t denominator) {
    return static_cast<int>((2 * numerator + denominator) / (2 * denominator));
}

} // namespace

bool BarScrolls(const TScrollAxis& axis) {
    return axis.Page > 0 && axis.Content > axis.Page;
}

TSpan TrackSpan(const TBarExtent& bar) {
    const int arrow = ArrowOf(bar);
    return {arrow, std::max(0, bar.Length - 2 * arrow)};
}

TSpan ThumbSpan(const TScrollAxis& axis, const TBarExtent& bar) {
    const TSpan track = TrackSpan(bar);
    if (!BarScrolls(axis) || track.Size < kMinThumb)
        return {track.Start, 0};
    const int size =
        std::max(kMinThumb, RoundedRatio(std::int64_t{track.Size} * axis.Page, axis.Content));
    const int room = track.Size - size;
    const int position = std::clamp(axis.Position, 0, LastPosition(axis));
    return {track.Start + RoundedRatio(std::int64_t{room} * position, LastPosition(axis)), size};
}

TBarPart BarPartAt(const TScrollAxis& axis, const TBarExtent& bar, int offset) {
    if (offset < 0 || offset >= bar.Length)
        return TBarPart::None;
    const TSpan track = TrackSpan(bar);
    if (offset < track.Start)
        return TBarPart::LineUp;
    if (offset >= track.Start + track.Size)
        return TBarPart::LineDown;
    const TSpan thumb = ThumbSpan(axis, bar);
    if (thumb.Size == 0)
        return TBarPart::None;
    if (offset < thumb.Start)
        return TBarPart::PageUp;
    if (offset < thumb.Start + thumb.Size)
        return TBarPart::Thumb;
    return TBarPart::PageDown;
}

int PositionAtThumb(const TScrollAxis& axis, const TBarExtent& bar, int thumbStart) {
    const TSpan track = TrackSpan(bar);
    const TSpan thumb = ThumbSpan(axis, bar);
    const int room = track.Size - thumb.Size;
    if (thumb.Size == 0 || room <= 0)
        return std::clamp(axis.Position, 0, LastPosition(axis));
    const int along = std::clamp(thumbStart - track.Start, 0, room);
    return RoundedRatio(std::int64_t{along} * LastPosition(axis), room);
}

} // namespace typ
