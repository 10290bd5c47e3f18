#include "editor/PrintRender.h"

#include "editor/EditorFont.h"
#include "editor/PrintLayout.h"
#include "editor/ViewGeometry.h"
#include "platform/HandleOwners.h"

#include <algorithm>
#include <vector>

namespace typ::win {

namespace {

constexpr int kFacePoints = 10;

// Restores the device context's font, pen and modes however drawing ends.
class TSavedDc {
public:
    explicit TSavedDc(HDC dc) : FDc(dc), FSaved(SaveDC(dc)) {}
    ~TSavedDc() { RestoreDC(FDc, FSaved); }
    TSavedDc(const TSavedDc&) = delete;
    TSavedDc& operator=(const TSavedDc&) = delete;

private:
    HDC FDc;
    int FSaved;
};

SIZE TextSize(HDC dc, const wchar_t* text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text, 1, &size);
    return size;
}

// Whether a run may show in the visible part: a screen skips the runs of
// spaces alone, which show nothing; a printer gets every run.
bool TextMeets(const TTextRun& run, const TPrintMetrics& metrics, const RECT* visible) {
    if (visible == nullptr)
        return true;
    return run.At.Y <= visible->bottom && run.At.Y + metrics.LineHeight >= visible->top &&
           run.Text.find_first_not_of(u' ') != std::u16string::npos;
}

// Every character one space wide, so that the glyphs stay over their box
// cells even when a substitute face draws a glyph wider.
void DrawTexts(HDC dc, const std::vector<TTextRun>& texts, const TPrintMetrics& metrics,
               bool mapGlyphs, const RECT* visible) {
    const int spaceWidth = metrics.SpaceWidth;
    std::vector<INT> advances;
    for (const TTextRun& run : texts) {
        if (!TextMeets(run, metrics, visible))
            continue;
        const std::u16string text =
            DisplayText(run.Text, 0, static_cast<int>(run.Text.size()), mapGlyphs);
        advances.assign(text.size(), spaceWidth);
        ExtTextOutW(dc, run.At.X, run.At.Y, 0, nullptr,
                    reinterpret_cast<const wchar_t*>(text.data()), static_cast<UINT>(text.size()),
                    advances.data());
    }
}

bool Meets(const TSegment& segment, const RECT& visible) {
    return std::max(segment.From.X, segment.To.X) >= visible.left &&
           std::min(segment.From.X, segment.To.X) <= visible.right &&
           std::max(segment.From.Y, segment.To.Y) >= visible.top &&
           std::min(segment.From.Y, segment.To.Y) <= visible.bottom;
}

// The printer gets each segment as a line of its own; a screen draws the
// visible ones in one call, the same pixels in a fraction of the time.
void DrawSegments(HDC dc, const std::vector<TSegment>& segments, const RECT* visible) {
    if (visible == nullptr) {
        for (const TSegment& segment : segments) {
            MoveToEx(dc, segment.From.X, segment.From.Y, nullptr);
            LineTo(dc, segment.To.X, segment.To.Y);
        }
        return;
    }
    std::vector<POINT> points;
    for (const TSegment& segment : segments)
        if (Meets(segment, *visible))
            points.insert(points.end(),
                          {{segment.From.X, segment.From.Y}, {segment.To.X, segment.To.Y}});
    const std::vector<DWORD> counts(points.size() / 2, 2);
    if (!counts.empty())
        PolyPolyline(dc, points.data(), counts.data(), static_cast<DWORD>(counts.size()));
}

// The 10-point print face selected into a device context for as long as it
// lives; the context's state comes back with it.
class TPrintFace {
public:
    TPrintFace(HDC dc, int dotsPerInch)
        : FFace(InstalledEditorFace()),
          FFont(CreateEditorFont(FFace, MulDiv(kFacePoints, dotsPerInch, 72), false)), FSaved(dc) {
        SelectObject(dc, FFont.Get());
    }
    bool MapGlyphs() const { return FFace.MapGlyphs; }

private:
    TEditorFace FFace;
    TOwnedFont FFont;
    TSavedDc FSaved;
};

TPrintMetrics MeasureSelected(HDC dc, const TPrintDevice& device) {
    return {TextSize(dc, L"L").cy, TextSize(dc, L" ").cx, device.PrintableHeight,
            device.PrintableWidth};
}

void DrawSelected(HDC dc, const TPrintLayout& layout, bool mapGlyphs, const RECT* visible) {
    const TOwnedPen pen(CreatePen(PS_SOLID, 1, kPrintBoxColor));
    const TSavedDc saved(dc);
    SelectObject(dc, pen.Get());
    // Text never paints its background, so it cannot cover the lines of the
    // line above, whose cells may reach below this line's top.
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    DrawTexts(dc, layout.Texts, layout.Metrics, mapGlyphs, visible);
    DrawSegments(dc, layout.Segments, visible);
}

} // namespace

void RenderPrint(HDC dc, const TMemo& memo, const TPrintDevice& device) {
    const TPrintFace face(dc, device.DotsPerInch);
    DrawSelected(dc, LayOutPrint(memo, MeasureSelected(dc, device)), face.MapGlyphs(), nullptr);
}

TPrintLayout LayOutForDevice(HDC dc, const TMemo& memo, const TPrintDevice& device) {
    const TPrintFace face(dc, device.DotsPerInch);
    return LayOutPrint(memo, MeasureSelected(dc, device));
}

void DrawPrintLayout(HDC dc, const TPrintLayout& layout, int dotsPerInch, const RECT* visible) {
    const TPrintFace face(dc, dotsPerInch);
    DrawSelected(dc, layout, face.MapGlyphs(), visible);
}

} // namespace typ::win
