#pragma once

#include <array>

// The print preview's geometry: how large the sheet is drawn for each zoom,
// where it sits in the view and how far the view scrolls. Sheets are given
// in printer pixels with the printer's resolution; the view in screen pixels.
namespace typ {

struct TExtent {
    int Width = 0;
    int Height = 0;
    bool operator==(const TExtent&) const = default;
};

// The sheet of the printer: its whole size, and where the printable area (the
// printer's own pixels, where printing starts) lies on it.
struct TPreviewSheet {
    TExtent Size;
    int PrintableLeft = 0;
    int PrintableTop = 0;
    TExtent Printable;
    int DotsPerInchX = 0;
    int DotsPerInchY = 0;
};

// An A4 sheet at 300 dots per inch, all of it printable: what the preview
// shows when there is no printer.
TPreviewSheet A4Sheet();

enum class TZoomMode { FitPage, FitWidth, Percent };

struct TZoom {
    TZoomMode Mode = TZoomMode::FitPage;
    int Percent = 100; // for TZoomMode::Percent
    bool operator==(const TZoom&) const = default;
};

// 100 % shows the sheet at its real size on the screen.
inline constexpr int kMinZoomPercent = 10;
inline constexpr int kMaxZoomPercent = 400;
// The steps of zooming in and out (Ctrl+wheel, Ctrl+plus and Ctrl+minus).
inline constexpr std::array<int, 9> kZoomSteps = {10, 25, 50, 75, 100, 150, 200, 300, 400};
// The gray around the sheet, in screen pixels, on every side.
inline constexpr int kSheetMargin = 16;

// The sheet's size in screen pixels at a zoom percent, each side rounded to
// the nearest pixel and at least one.
TExtent ScaledSheet(const TPreviewSheet& sheet, int screenDpi, int percent);

// The largest whole percent at which the sheet and its margins fit the view
// (FitPage) or the view's width (FitWidth), within the minimum and maximum.
int FitPagePercent(const TPreviewSheet& sheet, int screenDpi, TExtent view);
int FitWidthPercent(const TPreviewSheet& sheet, int screenDpi, TExtent view);

// The percent a zoom shows the sheet at in a view of this size.
int EffectivePercent(const TZoom& zoom, const TPreviewSheet& sheet, int screenDpi, TExtent view);

// The next step above or below a percent; the ends stay where they are.
int ZoomedIn(int percent);
int ZoomedOut(int percent);

// One direction of the view: the content (the sheet and its margins), the
// visible part and the first visible pixel.
struct TScrollAxis {
    int Content = 0;
    int Page = 0;
    int Position = 0;
    bool operator==(const TScrollAxis&) const = default;
};

// The axis with its position brought within 0 .. Content - Page (0 when the
// content fits).
TScrollAxis ClampedAxis(int content, int page, int position);

// Where the sheet's edge starts in the view: centred when it fits, else after
// the margin, less the scroll position.
int SheetOrigin(const TScrollAxis& axis, int sheetLength);

// The position that keeps the pixel in the middle of the view in the middle
// when the content changes from `oldContent` to `newContent`.
int RescaledPosition(const TScrollAxis& old, int newContent);

} // namespace typ
