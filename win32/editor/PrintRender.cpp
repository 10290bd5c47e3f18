#include "editor/PrintRender.h"

#include "editor/EditorFont.h"
#include "editor/PrintLayout.h"
#include "editor/ViewGeometry.h"
#include "platform/HandleOwners.h"

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

// Every character one space wide, so that the glyphs stay over their box
// cells even when a substitute face draws a glyph wider.
void DrawTexts(HDC dc, const std::vector<TTextRun>& texts, int spaceWidth, bool mapGlyphs) {
    std::vector<INT> advances;
    for (const TTextRun& run : texts) {
        const std::u16string text =
            DisplayText(run.Text, 0, static_cast<int>(run.Text.size()), mapGlyphs);
        advances.assign(text.size(), spaceWidth);
        ExtTextOutW(dc, run.At.X, run.At.Y, 0, nullptr,
                    reinterpret_cast<const wchar_t*>(text.data()), static_cast<UINT>(text.size()),
                    advances.data());
    }
}

void DrawSegments(HDC dc, const std::vector<TSegment>& segments) {
    for (const TSegment& segment : segments) {
        MoveToEx(dc, segment.From.X, segment.From.Y, nullptr);
        LineTo(dc, segment.To.X, segment.To.Y);
    }
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

void DrawSelected(HDC dc, const TPrintLayout& layout, bool mapGlyphs) {
    const TOwnedPen pen(CreatePen(PS_SOLID, 1, kPrintBoxColor));
    const TSavedDc saved(dc);
    SelectObject(dc, pen.Get());
    // Text never paints its background, so it cannot cover the lines of the
    // line above, whose cells may reach below this line's top.
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    DrawTexts(dc, layout.Texts, layout.Metrics.SpaceWidth, mapGlyphs);
    DrawSegments(dc, layout.Segments);
}

} // namespace

void RenderPrint(HDC dc, const TMemo& memo, const TPrintDevice& device) {
    const TPrintFace face(dc, device.DotsPerInch);
    DrawSelected(dc, LayOutPrint(memo, MeasureSelected(dc, device)), face.MapGlyphs());
}

TPrintLayout LayOutForDevice(HDC dc, const TMemo& memo, const TPrintDevice& device) {
    const TPrintFace face(dc, device.DotsPerInch);
    return LayOutPrint(memo, MeasureSelected(dc, device));
}

void DrawPrintLayout(HDC dc, const TPrintLayout& layout, int dotsPerInch) {
    const TPrintFace face(dc, dotsPerInch);
    DrawSelected(dc, layout, face.MapGlyphs());
}

} // namespace typ::win
