#include "editor/PreviewZoom.h"

#include <algorithm>
#include <cstdint>

namespace typ {

namespace {

constexpr int kA4Width = 2480;  // 210 mm at 300 dots per inch
constexpr int kA4Height = 3508; // 297 mm
constexpr int kA4DotsPerInch = 300;

int ClampedPercent(std::int64_t percent) {
    return static_cast<int>(std::clamp<std::int64_t>(percent, kMinZoomPercent, kMaxZoomPercent));
}

// A length in printer pixels as screen pixels at a percent, rounded.
int Scaled(int length, int dotsPerInch, int screenDpi, int percent) {
    if (dotsPerInch <= 0)
        return 1;
    const std::int64_t numerator = std::int64_t{length} * screenDpi * percent;
    const std::int64_t denominator = std::int64_t{dotsPerInch} * 100;
    return static_cast<int>(std::max<std::int64_t>(1, (numerator + denominator / 2) / denominator));
}

// The largest percent at which a length fits `room` screen pixels.
std::int64_t FittingPercent(int length, int dotsPerInch, int screenDpi, int room) {
    if (length <= 0 || dotsPerInch <= 0 || screenDpi <= 0)
        return kMaxZoomPercent;
    const std::int64_t available = std::max(0, room - 2 * kSheetMargin);
    return available * dotsPerInch * 100 / (std::int64_t{length} * screenDpi);
}

} // namespace

TPreviewSheet A4Sheet() {
    const TExtent size{kA4Width, kA4Height};
    return {size, 0, 0, size, kA4DotsPerInch, kA4DotsPerInch};
}

TExtent ScaledSheet(const TPreviewSheet& sheet, int screenDpi, int percent) {
    return {Scaled(sheet.Size.Width, sheet.DotsPerInchX, screenDpi, percent),
            Scaled(sheet.Size.Height, sheet.DotsPerInchY, screenDpi, percent)};
}

int FitPagePercent(const TPreviewSheet& sheet, int screenDpi, TExtent view) {
    return ClampedPercent(
        std::min(FittingPercent(sheet.Size.Width, sheet.DotsPerInchX, screenDpi, view.Width),
                 FittingPercent(sheet.Size.Height, sheet.DotsPerInchY, screenDpi, view.Height)));
}

int FitWidthPercent(const TPreviewSheet& sheet, int screenDpi, TExtent view) {
    return ClampedPercent(
        FittingPercent(sheet.Size.Width, sheet.DotsPerInchX, screenDpi, view.Width));
}

int EffectivePercent(const TZoom& zoom, const TPreviewSheet& sheet, int screenDpi, TExtent view) {
    switch (zoom.Mode) {
    case TZoomMode::FitPage:
        return FitPagePercent(sheet, screenDpi, view);
    case TZoomMode::FitWidth:
        return FitWidthPercent(sheet, screenDpi, view);
    case TZoomMode::Percent:
        break;
    }
    return ClampedPercent(zoom.Percent);
}

int ZoomedIn(int percent) {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
}

int ZoomedOut(int percent) {
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next == kZoomSteps.begin() ? kZoomSteps.front() : *(next - 1);
}

TScrollAxis ClampedAxis(int content, int page, int position) {
    const int last = std::max(0, content - page);
    return {content, page, std::clamp(position, 0, last)};
}

int SheetOrigin(const TScrollAxis& axis, int sheetLength) {
    if (axis.Content <= axis.Page)
        return (axis.Page - sheetLength) / 2;
    return kSheetMargin - axis.Position;
}

int RescaledPosition(const TScrollAxis& old, int newContent) {
    if (old.Content <= 0)
        return 0;
    const std::int64_t middle = std::int64_t{old.Position} + old.Page / 2;
    return static_cast<int>(middle * newContent / old.Content - old.Page / 2);
}

} // namespace typ
