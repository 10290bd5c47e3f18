#include "editor/PreviewZoom.h"

#include "editor/PreviewStatus.h"

#include <gtest/gtest.h>
#include <random>

namespace typ {
namespace {

constexpr int kScreenDpi = 96;

// A4 at 300 dots per inch is 794 x 1123 screen pixels at 100 %.
const TPreviewSheet kPortrait = A4Sheet();
const TPreviewSheet kLandscape{{3508, 2480}, 0, 0, {3508, 2480}, 300, 300};

TEST(PreviewZoom, FitPageAndFitWidthTakeTheLargestWholePercentThatFits) {
    struct TCase {
        const char* Name;
        TPreviewSheet Sheet;
        TExtent View;
        int FitPage, FitWidth;
    };
    const TCase cases[] = {
        // (1000 - 32) / 1123 = 86.2 % high; the width would allow 120 %.
        {"portrait, tall window", kPortrait, {1000, 1000}, 86, 121},
        {"landscape, tall window", kLandscape, {1000, 1000}, 86, 86},
        {"landscape, wide window", kLandscape, {1400, 700}, 84, 121},
        {"tiny window: the minimum", kPortrait, {40, 40}, kMinZoomPercent, kMinZoomPercent},
        {"huge window: the maximum", kPortrait, {9000, 9000}, kMaxZoomPercent, kMaxZoomPercent},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(FitPagePercent(c.Sheet, kScreenDpi, c.View), c.FitPage);
        EXPECT_EQ(FitWidthPercent(c.Sheet, kScreenDpi, c.View), c.FitWidth);
        const TExtent page = ScaledSheet(c.Sheet, kScreenDpi, c.FitPage);
        if (c.FitPage > kMinZoomPercent && c.FitPage < kMaxZoomPercent) {
            EXPECT_LE(page.Width + 2 * kSheetMargin, c.View.Width);
            EXPECT_LE(page.Height + 2 * kSheetMargin, c.View.Height);
            const TExtent larger = ScaledSheet(c.Sheet, kScreenDpi, c.FitPage + 1);
            EXPECT_TRUE(larger.Width + 2 * kSheetMargin > c.View.Width ||
                        larger.Height + 2 * kSheetMargin > c.View.Height)
                << "one percent more no longer fits";
        }
    }
}

TEST(PreviewZoom, ScalesAndRoundsEachSide) {
    EXPECT_EQ(ScaledSheet(kPortrait, kScreenDpi, 100), (TExtent{794, 1123}));
    EXPECT_EQ(ScaledSheet(kPortrait, kScreenDpi, 50), (TExtent{397, 561}));
    EXPECT_EQ(ScaledSheet(kPortrait, kScreenDpi, 200), (TExtent{1587, 2245}));
    EXPECT_EQ(ScaledSheet(kPortrait, 120, 100), (TExtent{992, 1403}));
    const TPreviewSheet odd{{1, 1}, 0, 0, {1, 1}, 600, 0};
    EXPECT_EQ(ScaledSheet(odd, kScreenDpi, 10), (TExtent{1, 1})) << "never less than a pixel";
    EXPECT_EQ(FitPagePercent(odd, kScreenDpi, {800, 600}), kMaxZoomPercent)
        << "no resolution: no division by zero";
}

TEST(PreviewZoom, StepsInAndOutStayWithinTheLimits) {
    EXPECT_EQ(ZoomedIn(100), 150);
    EXPECT_EQ(ZoomedIn(86), 100) << "from a fitted percent to the next step";
    EXPECT_EQ(ZoomedOut(86), 75);
    EXPECT_EQ(ZoomedOut(100), 75);
    EXPECT_EQ(ZoomedIn(kMaxZoomPercent), kMaxZoomPercent);
    EXPECT_EQ(ZoomedOut(kMinZoomPercent), kMinZoomPercent);
    EXPECT_EQ(EffectivePercent({TZoomMode::Percent, 5000}, kPortrait, kScreenDpi, {1, 1}),
              kMaxZoomPercent);
    EXPECT_EQ(EffectivePercent({TZoomMode::Percent, 50}, kPortrait, kScreenDpi, {1, 1}), 50);
    EXPECT_EQ(EffectivePercent({}, kPortrait, kScreenDpi, {1000, 1000}), 86);
    EXPECT_EQ(EffectivePercent({TZoomMode::FitWidth}, kPortrait, kScreenDpi, {1000, 1000}), 121);
}

// Whatever the sizes, the position stays in range and a sheet that fits is
// centred; one that does not starts after the margin.
TEST(PreviewZoom, ScrollPositionsStayInRange) {
    std::mt19937 random(18);
    std::uniform_int_distribution<int> size(0, 5000);
    for (int i = 0; i < 2000; ++i) {
        const int sheet = size(random);
        const int page = size(random);
        const TScrollAxis axis = ClampedAxis(sheet + 2 * kSheetMargin, page, size(random) - 2500);
        ASSERT_GE(axis.Position, 0);
        ASSERT_LE(axis.Position, std::max(0, axis.Content - axis.Page));
        const int origin = SheetOrigin(axis, sheet);
        if (axis.Content <= axis.Page)
            ASSERT_EQ(origin, (page - sheet) / 2);
        else
            ASSERT_EQ(origin, kSheetMargin - axis.Position);
        const TScrollAxis zoomed =
            ClampedAxis(2 * axis.Content, page, RescaledPosition(axis, 2 * axis.Content));
        ASSERT_LE(zoomed.Position, std::max(0, zoomed.Content - page));
    }
    // Doubling keeps the middle pixel: 500 + 250 = 750 becomes 1500, less 250.
    EXPECT_EQ(RescaledPosition({3000, 500, 500}, 6000), 1250);
}

TEST(PreviewStatus, TellsSheetZoomAndWhatIsCut) {
    EXPECT_EQ(SheetSizeText(kPortrait), u"210 x 297 mm");
    EXPECT_EQ(SheetSizeText({{5100, 6600}, 0, 0, {5100, 6600}, 600, 600}), u"216 x 279 mm");
    EXPECT_EQ(ZoomText(86), u"86 %");
    EXPECT_EQ(PreviewCaption(u"Factura"), u"Vista preliminar - Factura");
    TPrintLayout layout;
    EXPECT_EQ(CutText(layout), u"");
    layout.LinesOutside = 430;
    EXPECT_EQ(CutText(layout), u"Líneas fuera de la hoja: 430");
    layout.ColumnsOutside = 152;
    EXPECT_EQ(CutText(layout), u"Líneas fuera de la hoja: 430; Columnas fuera de la hoja: 152");
    layout.LinesOutside = 0;
    EXPECT_EQ(CutText(layout), u"Columnas fuera de la hoja: 152");
}

} // namespace
} // namespace typ
