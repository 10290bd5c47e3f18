#include "editor/ScrollBarGeometry.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace typ {
namespace {

TScrollAxis WithPosition(TScrollAxis axis, int position) {
    axis.Position = position;
    return axis;
}

// The parts met walking the bar from its start, each once, in order.
std::vector<TBarPart> PartsAlong(const TScrollAxis& axis, const TBarExtent& bar) {
    std::vector<TBarPart> parts;
    for (int offset = 0; offset < bar.Length; ++offset) {
        const TBarPart part = BarPartAt(axis, bar, offset);
        if (parts.empty() || parts.back() != part)
            parts.push_back(part);
    }
    return parts;
}

TEST(ScrollBarGeometry, ThumbLiesOnTheTrackAndGrabbingItNeverScrolls) {
    std::mt19937 random(2024);
    for (int trial = 0; trial < 2000; ++trial) {
        const int page = std::uniform_int_distribution(1, 2000)(random);
        const int content = page + std::uniform_int_distribution(1, 20000)(random);
        const TBarExtent bar{std::uniform_int_distribution(2 * 17 + kMinThumb, 1500)(random), 17};
        const int last = content - page;
        const TScrollAxis axis{content, page, std::uniform_int_distribution(0, last)(random)};
        SCOPED_TRACE(testing::Message() << "content " << content << " page " << page << " at "
                                        << axis.Position << " bar " << bar.Length);
        const TSpan track = TrackSpan(bar);
        const TSpan thumb = ThumbSpan(axis, bar);
        ASSERT_GE(thumb.Size, kMinThumb);
        ASSERT_GE(thumb.Start, track.Start);
        ASSERT_LE(thumb.Start + thumb.Size, track.Start + track.Size);
        // Grabbing the thumb where it lies keeps it there.
        const int grabbed = PositionAtThumb(axis, bar, thumb.Start);
        EXPECT_EQ(ThumbSpan(WithPosition(axis, grabbed), bar).Start, thumb.Start);
        // Dragged past either end, it reaches the ends of the range and no
        // further; a thumb as long as its track cannot be dragged at all.
        const bool room = thumb.Size < track.Size;
        EXPECT_EQ(PositionAtThumb(axis, bar, track.Start - 50), room ? 0 : axis.Position);
        EXPECT_EQ(PositionAtThumb(axis, bar, track.Start + track.Size),
                  room ? last : axis.Position);
        const std::vector<TBarPart> parts = PartsAlong(axis, bar);
        std::vector<TBarPart> expected{TBarPart::LineUp};
        if (thumb.Start > track.Start)
            expected.push_back(TBarPart::PageUp);
        expected.push_back(TBarPart::Thumb);
        if (thumb.Start + thumb.Size < track.Start + track.Size)
            expected.push_back(TBarPart::PageDown);
        expected.push_back(TBarPart::LineDown);
        EXPECT_EQ(parts, expected);
    }
}

TEST(ScrollBarGeometry, ShortBarsAndFittingContentHaveNoThumb) {
    const TScrollAxis fits{500, 600, 0};
    EXPECT_EQ(ThumbSpan(fits, {300, 17}).Size, 0);
    EXPECT_EQ(BarPartAt(fits, {300, 17}, 150), TBarPart::None) << "the track pages nothing";
    EXPECT_EQ(BarPartAt(fits, {300, 17}, 5), TBarPart::LineUp);
    const TScrollAxis scrolls{5000, 600, 100};
    // Shorter than both arrows: each takes half, and nothing is left for a track.
    EXPECT_EQ(TrackSpan({20, 17}), (TSpan{10, 0}));
    EXPECT_EQ(BarPartAt(scrolls, {20, 17}, 9), TBarPart::LineUp);
    EXPECT_EQ(BarPartAt(scrolls, {20, 17}, 10), TBarPart::LineDown);
    EXPECT_EQ(BarPartAt(scrolls, {20, 17}, 20), TBarPart::None);
    EXPECT_EQ(PositionAtThumb(scrolls, {20, 17}, 15), 100) << "no thumb: the position stays";
    EXPECT_EQ(ThumbSpan(scrolls, {0, 17}).Size, 0);
}

} // namespace
} // namespace typ
