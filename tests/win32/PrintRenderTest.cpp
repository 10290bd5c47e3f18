// The print drawn onto an enhanced metafile, read back record by record, and
// onto a memory bitmap, read back pixel by pixel.
#include "editor/PrintRender.h"

#include "editor/EditorFont.h"
#include "editor/PrintLayout.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace typ::win {
namespace {

// A 300 dpi printer, as the page advance and the 50-pixel box cells expect.
constexpr TPrintDevice kPrinter{300, 3300};
const std::u16string kFrameTop = u"\u00DA\u00C4\u00C4\u00BF"; // ┌──┐ as DOS-as-ANSI text

struct TRecords {
    std::vector<TSegment> Lines;
    std::vector<TTextRun> Texts;
    std::vector<LOGPEN> Pens;
    std::vector<LOGFONTW> Fonts;
    POINTL Current{};
};

int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    auto& out = *reinterpret_cast<TRecords*>(data);
    switch (record->iType) {
    case EMR_MOVETOEX:
        out.Current = reinterpret_cast<const EMRMOVETOEX*>(record)->ptl;
        break;
    case EMR_LINETO: {
        const POINTL to = reinterpret_cast<const EMRLINETO*>(record)->ptl;
        out.Lines.push_back({{out.Current.x, out.Current.y}, {to.x, to.y}});
        out.Current = to;
        break;
    }
    case EMR_EXTTEXTOUTW: {
        const auto& text = reinterpret_cast<const EMREXTTEXTOUTW*>(record)->emrtext;
        const auto* chars = reinterpret_cast<const char16_t*>(
            reinterpret_cast<const BYTE*>(record) + text.offString);
        out.Texts.push_back(
            {{text.ptlReference.x, text.ptlReference.y}, std::u16string(chars, text.nChars)});
        break;
    }
    case EMR_CREATEPEN:
        out.Pens.push_back(reinterpret_cast<const EMRCREATEPEN*>(record)->lopn);
        break;
    case EMR_EXTCREATEFONTINDIRECTW:
        out.Fonts.push_back(
            reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record)->elfw.elfLogFont);
        break;
    default:
        break;
    }
    return 1;
}

TMemo MemoOf(std::u16string_view text) {
    TMemo memo;
    memo.SetText(text);
    return memo;
}

TRecords Record(std::u16string_view text, const TPrintDevice& device = kPrinter) {
    const HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    RenderPrint(dc, MemoOf(text), device);
    const HENHMETAFILE picture = CloseEnhMetaFile(dc);
    TRecords records;
    EnumEnhMetaFile(nullptr, picture, Collect, &records, nullptr);
    DeleteEnhMetaFile(picture);
    return records;
}

// The metrics of the recorded font, measured on the screen as the metafile's
// reference device measured them.
TPrintMetrics MetricsOf(const LOGFONTW& font, int printableHeight) {
    const HFONT handle = CreateFontIndirectW(&font);
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, handle);
    SIZE letter{};
    SIZE space{};
    GetTextExtentPoint32W(screen, L"L", 1, &letter);
    GetTextExtentPoint32W(screen, L" ", 1, &space);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    DeleteObject(handle);
    return {letter.cy, space.cx, printableHeight};
}

TEST(PrintRender, UsesTheTenPointFaceAndOneGrayPen) {
    const TRecords records = Record(kFrameTop);
    ASSERT_EQ(records.Fonts.size(), 1u);
    EXPECT_EQ(records.Fonts[0].lfHeight, -MulDiv(10, 300, 72));
    EXPECT_EQ(records.Fonts[0].lfWeight, FW_NORMAL);
    const TEditorFace face = InstalledEditorFace();
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(records.Fonts[0].lfFaceName)),
              face.Name)
        << "Courier LD when installed, else the fixed-pitch face of the grid";
    ASSERT_EQ(records.Pens.size(), 1u);
    EXPECT_EQ(records.Pens[0].lopnStyle, static_cast<UINT>(PS_SOLID));
    EXPECT_EQ(records.Pens[0].lopnWidth.x, 1);
    EXPECT_EQ(records.Pens[0].lopnColor, RGB(128, 128, 128));
}

TEST(PrintRender, FrameTopDrawsItsSegmentsOnTheMiddleRowAndNoGlyphs) {
    const TRecords records = Record(kFrameTop);
    ASSERT_EQ(records.Texts.size(), 1u);
    EXPECT_EQ(records.Texts[0], (TTextRun{{15, 10}, u"    "}));
    ASSERT_EQ(records.Lines.size(), 6u);
    const TPrintMetrics metrics = MetricsOf(records.Fonts.at(0), kPrinter.PrintableHeight);
    const int half = (metrics.SpaceWidth + 1) / 2;
    const int centre = 7 + half;
    // ┌ joins right and down, ─ ─ cross their cells, ┐ joins down and left.
    EXPECT_EQ(records.Lines[0], (TSegment{{centre, 35}, {centre + half, 35}}));
    EXPECT_EQ(records.Lines[1], (TSegment{{centre, 36}, {centre, 60}}));
    EXPECT_EQ(records.Lines[2].From, (TPoint{metrics.SpaceWidth + 7, 35}));
    EXPECT_EQ(records.Lines[4], (TSegment{{3 * metrics.SpaceWidth + centre, 35},
                                          {3 * metrics.SpaceWidth + centre, 60}}));
    for (const std::size_t i : {0u, 2u, 3u, 5u})
        EXPECT_EQ(records.Lines[i].From.Y, 35) << "row M = y + 25";
    EXPECT_EQ(records.Lines, LayOutPrint(MemoOf(kFrameTop), metrics).Segments);
}

TEST(PrintRender, BbPrintsAsADoubleCornerAndIAcuteAsACorner) {
    const TRecords records = Record(u"A\u00BB\u00D6");
    ASSERT_EQ(records.Texts.size(), 1u);
    EXPECT_EQ(records.Texts[0].Text, u"A  ");
    const TPrintMetrics metrics = MetricsOf(records.Fonts.at(0), kPrinter.PrintableHeight);
    ASSERT_EQ(records.Lines.size(), 6u)
        << "the double corner's four strokes, then the corner's two";
    EXPECT_EQ(records.Lines, LayOutPrint(MemoOf(u"A\u00BB\u00D6"), metrics).Segments);
    const int centre = 2 * metrics.SpaceWidth + 7 + (metrics.SpaceWidth + 1) / 2;
    EXPECT_EQ(records.Lines[4].From, (TPoint{centre, 35}));
    EXPECT_EQ(records.Lines[5], (TSegment{{centre, 36}, {centre, 60}}));
}

TEST(PrintRender, LongLinesPrint255CharactersAndLowLinesAreLost) {
    EXPECT_EQ(Record(std::u16string(300, u'x')).Texts.at(0).Text, std::u16string(255, u'x'));

    std::u16string grid;
    for (int line = 0; line < 100; ++line)
        grid += line == 0 ? u"a" : u"\r\na";
    const TRecords all = Record(grid);
    const int advance = MetricsOf(all.Fonts.at(0), 0).LineHeight;
    ASSERT_GT(advance, 0);
    EXPECT_EQ(all.Texts.at(1).At.Y, 10 + advance) << "lines advance by the height of L";
    const TRecords page = Record(grid, {300, 10 + 5 * advance});
    EXPECT_EQ(page.Texts.size(), 5u) << "one page: what lies below it is not drawn";
}

// The print on a white bitmap, top-down, three bytes a pixel.
class TPicture {
public:
    TPicture(int width, int height) : FWidth(width) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        FDc = CreateCompatibleDC(nullptr);
        FBitmap = CreateDIBSection(FDc, &info, DIB_RGB_COLORS, &FBits, nullptr, 0);
        FOld = SelectObject(FDc, FBitmap);
        PatBlt(FDc, 0, 0, width, height, WHITENESS);
    }
    ~TPicture() {
        SelectObject(FDc, FOld);
        DeleteObject(FBitmap);
        DeleteDC(FDc);
    }
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    HDC Dc() const { return FDc; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const auto stride = static_cast<std::size_t>((FWidth * 3 + 3) & ~3);
        const auto* pixel = static_cast<const BYTE*>(FBits) + static_cast<std::size_t>(y) * stride +
                            static_cast<std::size_t>(x) * 3;
        return RGB(pixel[2], pixel[1], pixel[0]);
    }

private:
    int FWidth;
    HDC FDc = nullptr;
    HBITMAP FBitmap = nullptr;
    HGDIOBJ FOld = nullptr;
    void* FBits = nullptr;
};

TEST(PrintRender, FramesAreGrayPixelsAndTextIsDark) {
    const std::u16string grid = kFrameTop + u"\r\n\u00B3AB\u00B3";
    TPicture picture(400, 200);
    RenderPrint(picture.Dc(), MemoOf(grid), {300, 200});
    const TPrintMetrics metrics = MetricsOf(Record(grid).Fonts.at(0), 200);
    const int w = metrics.SpaceWidth;
    const int left = 7 + (w + 1) / 2; // the first cell's centre column
    const int right = 3 * w + left;   // the fourth cell's
    constexpr COLORREF kGray = RGB(128, 128, 128);
    for (int x = left; x < right; ++x)
        ASSERT_EQ(picture.At(x, 35), kGray) << "the frame's top at x " << x;
    EXPECT_EQ(picture.At(left + w, 34), RGB(255, 255, 255)) << "one pixel thick";
    const int second = 10 + metrics.LineHeight;
    for (int y = 36; y < 60; ++y) {
        ASSERT_EQ(picture.At(left, y), kGray) << "the corners go down at y " << y;
        ASSERT_EQ(picture.At(right, y), kGray) << "the corners go down at y " << y;
    }
    for (int y = second; y < second + 50; ++y) {
        ASSERT_EQ(picture.At(left, y), kGray) << "the left side at y " << y;
        ASSERT_EQ(picture.At(right, y), kGray) << "the right side at y " << y;
    }
    int dark = 0;
    for (int y = second; y < second + metrics.LineHeight; ++y)
        for (int x = 15 + w; x < 15 + 3 * w; ++x)
            dark += GetRValue(picture.At(x, y)) < 100 ? 1 : 0;
    EXPECT_GT(dark, 20) << "the letters A and B are drawn";
}

} // namespace
} // namespace typ::win
