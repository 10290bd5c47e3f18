#include "editor/PrintLayout.h"

#include "editor/BoxDrawing.h"

#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace typ {
namespace {

// A printer font whose space is 20 pixels wide (half width 10) and whose "L"
// is 47 high, on a page tall enough for any line of these tests.
constexpr TPrintMetrics kMetrics{47, 20, 100000};

TPrintLayout Print(std::u16string_view text, const TPrintMetrics& metrics = kMetrics) {
    TMemo memo;
    memo.SetText(text);
    return LayOutPrint(memo, metrics);
}

std::vector<TSegment> ShapeAt(unsigned char byte, int position, int top, int spaceWidth) {
    std::vector<TSegment> segments;
    AppendBoxShape(byte, BoxCell(position, top, spaceWidth), segments);
    return segments;
}

TEST(PrintLayout, BoxDrawingSetIsB3ToDa) {
    int members = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const bool expected = byte >= 0xB3 && byte <= 0xDA;
        EXPECT_EQ(IsBoxDrawingByte(static_cast<unsigned char>(byte)), expected) << byte;
        members += expected ? 1 : 0;
    }
    EXPECT_EQ(members, 40);
}

TEST(PrintLayout, SplitsALineIntoGlyphAndBoxLayers) {
    const TLineLayers layers = SplitLayers("A\xDA\xBB \xC4z\xD6");
    EXPECT_EQ(layers.Glyphs, "A    z ");
    EXPECT_EQ(layers.Boxes, " \xDA\xBB \xC4 \xD6");
    EXPECT_EQ(SplitLayers(""), (TLineLayers{}));
}

TEST(PrintLayout, FrameTopDrawsCornersAndStrokesOnTheMiddleRow) {
    // ┌──┐ as DOS-as-ANSI text: the bytes DA C4 C4 BF read in Windows-1252.
    const TPrintLayout page = Print(u"\u00DA\u00C4\u00C4\u00BF");
    ASSERT_EQ(page.Texts.size(), 1u);
    EXPECT_EQ(page.Texts[0], (TTextRun{{15, 10}, u"    "})) << "no glyphs for frame bytes";
    // Cells at i * 20 + 7, centre 10 in; the middle row is y + 25 = 35.
    const std::vector<TSegment> expected{
        {{17, 35}, {27, 35}}, {{17, 36}, {17, 60}}, // ┌ right, then down
        {{27, 35}, {47, 35}},                       // ─
        {{47, 35}, {67, 35}},                       // ─
        {{77, 35}, {77, 60}}, {{67, 35}, {77, 35}}, // ┐ down, then left
    };
    EXPECT_EQ(page.Segments, expected);
}

TEST(PrintLayout, BoxCellsStartAtSevenWhereverTheTextStarts) {
    TPrintLayout layout;
    PrintLine(100, 200, "a\xC4", 20, layout);
    ASSERT_EQ(layout.Texts.size(), 1u);
    EXPECT_EQ(layout.Texts[0], (TTextRun{{100, 200}, u"a "}));
    EXPECT_EQ(layout.Segments, (std::vector<TSegment>{{{27, 225}, {47, 225}}}));
}

TEST(PrintLayout, EachShapeHasItsSegments) {
    // Cell 1 of a line at y = 100 with a 25-pixel space: h = 13, X = 32,
    // C = 45, R = 58, T = 100, M = 125, B = 150.
    const TBoxCell cell = BoxCell(1, 100, 25);
    EXPECT_EQ(cell.X, 32);
    EXPECT_EQ(cell.C, 45);
    EXPECT_EQ(cell.R, 58) << "R = X + 2h, one past the next cell's edge for odd widths";
    const auto shape = [](unsigned char byte) { return ShapeAt(byte, 1, 100, 25); };
    using S = std::vector<TSegment>;
    EXPECT_EQ(shape(0xC4), (S{{{32, 125}, {58, 125}}}));
    EXPECT_EQ(shape(0xB3), (S{{{45, 100}, {45, 150}}}));
    EXPECT_EQ(shape(0xDA), (S{{{45, 125}, {58, 125}}, {{45, 126}, {45, 150}}}));
    EXPECT_EQ(shape(0xBF), (S{{{45, 125}, {45, 150}}, {{32, 125}, {45, 125}}}));
    EXPECT_EQ(shape(0xC0), (S{{{45, 100}, {45, 125}}, {{45, 125}, {58, 125}}}));
    EXPECT_EQ(shape(0xD9), (S{{{45, 100}, {45, 126}}, {{32, 125}, {46, 125}}}));
    EXPECT_EQ(shape(0xC3), (S{{{45, 125}, {58, 125}}, {{45, 100}, {45, 150}}}));
    EXPECT_EQ(shape(0xB4), (S{{{32, 125}, {45, 125}}, {{45, 100}, {45, 150}}}));
    EXPECT_EQ(shape(0xC2), (S{{{45, 126}, {45, 150}}, {{32, 125}, {58, 125}}}));
    EXPECT_EQ(shape(0xC1), (S{{{32, 125}, {58, 125}}, {{45, 100}, {45, 125}}}));
    EXPECT_EQ(shape(0xC5), (S{{{32, 125}, {58, 125}}, {{45, 100}, {45, 150}}}));
}

TEST(PrintLayout, MixedFramesTakeTheirSingleTwinsShape) {
    const std::vector<std::vector<unsigned char>> twins{{0xC4},
                                                        {0xB3},
                                                        {0xDA, 0xD5, 0xD6},
                                                        {0xBF, 0xB7, 0xB8},
                                                        {0xC0, 0xD3, 0xD4},
                                                        {0xD9, 0xBD, 0xBE},
                                                        {0xC3, 0xC6, 0xC7},
                                                        {0xB4, 0xB5, 0xB6},
                                                        {0xC2, 0xD1, 0xD2},
                                                        {0xC1, 0xCF, 0xD0},
                                                        {0xC5, 0xD7, 0xD8}};
    int bytes = 0;
    for (const auto& group : twins) {
        const auto single = ShapeAt(group.front(), 3, 10, 24);
        ASSERT_FALSE(single.empty());
        for (const unsigned char byte : group) {
            EXPECT_EQ(ShapeAt(byte, 3, 10, 24), single) << int{byte};
            ++bytes;
        }
    }
    EXPECT_EQ(bytes, 29) << "every byte of the set but the double ones has its twin's shape";
    EXPECT_TRUE(ShapeAt(' ', 0, 10, 24).empty());
}

// Each double-line byte draws two parallel strokes on every side its glyph
// reaches, a third of the cell apart, at the same places on facing sides so
// that neighbouring cells join; it draws nothing on the other sides, and
// nothing crosses the space between its two lines.
TEST(PrintLayout, DoubleFramesDrawTwoParallelLinesThatJoinTheirNeighbours) {
    const TBoxCell cell = BoxCell(3, 10, 24); // X 79, C 91, R 103; T 10, M 35, B 60
    const int dx = 4;                         // a third of the 24 pixels between the lines
    const int dy = 8;
    EXPECT_EQ(ShapeAt(0xCD, 3, 10, 24),
              (std::vector<TSegment>{{{79, 27}, {103, 27}}, {{79, 43}, {103, 43}}}));
    for (const int code : {0xB9, 0xBA, 0xBB, 0xBC, 0xC8, 0xC9, 0xCA, 0xCB, 0xCC, 0xCD, 0xCE}) {
        const auto byte = static_cast<unsigned char>(code);
        std::multiset<int> top, bottom, left, right;
        for (const TSegment& s : ShapeAt(byte, 3, 10, 24)) {
            ASSERT_TRUE(s.From.X == s.To.X || s.From.Y == s.To.Y) << int{byte};
            for (const TPoint& p : {s.From, s.To}) {
                ASSERT_TRUE(p.X >= cell.X && p.X <= cell.R && p.Y >= cell.T && p.Y <= cell.B);
                if (p.Y == cell.T)
                    top.insert(p.X);
                if (p.Y == cell.B)
                    bottom.insert(p.X);
                if (p.X == cell.X)
                    left.insert(p.Y);
                if (p.X == cell.R)
                    right.insert(p.Y);
            }
            // No stroke runs through the centre between the two lines.
            const bool across = s.From.Y == s.To.Y;
            EXPECT_FALSE(across ? s.From.Y == cell.M : s.From.X == cell.C) << int{byte};
        }
        const std::optional<char16_t> glyph = static_cast<char16_t>(code);
        const auto expect = [&](const std::multiset<int>& ends, TDirection side, int centre,
                                int offset) {
            const std::multiset<int> two{centre - offset, centre + offset};
            EXPECT_EQ(ends, HasStroke(glyph, side) ? two : std::multiset<int>{})
                << int{byte} << " side " << static_cast<int>(side);
        };
        expect(top, TDirection::Up, cell.C, dx);
        expect(bottom, TDirection::Down, cell.C, dx);
        expect(left, TDirection::Left, cell.M, dy);
        expect(right, TDirection::Right, cell.M, dy);
    }
}

TEST(PrintLayout, LettersOfTheBoxRangePrintAsLinesAndBbAsADoubleCorner) {
    // Í is 0xD6 in code page 850 (Ö in Windows-1252): a corner, no letter.
    const TPrintLayout corner = Print(u"a\u00D6b");
    EXPECT_EQ(corner.Texts[0].Text, u"a b");
    EXPECT_EQ(corner.Segments, ShapeAt(0xDA, 1, 10, 20));
    // ╗ is 0xBB (» in Windows-1252): a double corner like the other three.
    const TPrintLayout corner2 = Print(u"\u00BB");
    EXPECT_EQ(corner2.Texts[0].Text, u" ");
    EXPECT_EQ(corner2.Segments, ShapeAt(0xBB, 0, 10, 20));
    EXPECT_EQ(corner2.Segments.size(), 4u);
}

TEST(PrintLayout, PrintsAtMost255CharactersOfALine) {
    const TPrintLayout text = Print(std::u16string(300, u'x'));
    EXPECT_EQ(text.Texts[0].Text, std::u16string(255, u'x'));
    const TPrintLayout strokes = Print(std::u16string(300, u'\u00C4'));
    ASSERT_EQ(strokes.Segments.size(), 255u);
    EXPECT_EQ(strokes.Segments.back(), ShapeAt(0xC4, 254, 10, 20).front());
    EXPECT_EQ(strokes.Texts[0].Text, std::u16string(255, u' '));
}

TEST(PrintLayout, LinesAdvanceByTheHeightOfLAndStopAtThePageEnd) {
    const std::u16string grid = u"a\u00B3\r\nb\u00B3\r\nc\u00B3";
    const TPrintLayout page = Print(grid);
    ASSERT_EQ(page.Texts.size(), 3u);
    EXPECT_EQ(page.Texts[1], (TTextRun{{15, 57}, u"b "}));
    EXPECT_EQ(page.Texts[2], (TTextRun{{15, 104}, u"c "}));
    ASSERT_EQ(page.Segments.size(), 3u);
    EXPECT_EQ(page.Segments[2], (TSegment{{37, 104}, {37, 154}}));

    EXPECT_EQ(Print(grid, {47, 20, 105}).Texts.size(), 3u);
    const TPrintLayout cut = Print(grid, {47, 20, 104});
    EXPECT_EQ(cut.Texts.size(), 2u) << "a line starting at the page's end is not seen";
    EXPECT_EQ(cut.Segments.size(), 2u);
}

TEST(PrintLayout, EmptyPagePrintsNothing) {
    const TPrintLayout empty = Print(u"");
    EXPECT_TRUE(empty.Texts.empty());
    EXPECT_TRUE(empty.Segments.empty());
    EXPECT_EQ(Print(u"ab\r\n").Texts.size(), 1u) << "no line after the last line break";
}

TEST(PrintLayout, CharactersBeyondDosAsAnsiPrintAsTheirDosByteOrQuestionMark) {
    // € is a Windows-1252 character (DOS byte 0x80); a Unicode box stroke
    // becomes its code page 850 byte; a character code page 850 lacks, even
    // one of two UTF-16 units, prints as one "?".
    const TPrintLayout page = Print(u"\u20AC\u2500\u4E2D\U0001F600z");
    ASSERT_EQ(page.Texts.size(), 1u);
    EXPECT_EQ(page.Texts[0].Text, u"\u20AC ??z");
    EXPECT_EQ(page.Segments, ShapeAt(0xC4, 1, 10, 20));
}

// An A4 sheet at 300 dots per inch, printable to its edges, with a font whose
// line advance is 50 and whose space is 25 wide: 70 lines and 98 columns fit.
constexpr TPrintMetrics kA4{50, 25, 3508, 2480};

std::u16string Grid(int width, int height, char16_t fill = u'x') {
    std::u16string text;
    for (int line = 0; line < height; ++line)
        text += (line ? u"\r\n" : u"") + std::u16string(static_cast<std::size_t>(width), fill);
    return text;
}

TEST(PrintLayout, CountsTheLinesAndColumnsTheSheetCannotHold) {
    struct TCase {
        int Width, Height, LinesOutside, ColumnsOutside;
    };
    for (const TCase c : {TCase{98, 70, 0, 0}, TCase{99, 71, 1, 1}, TCase{250, 500, 430, 152},
                          TCase{300, 1, 0, 202}, TCase{0, 0, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << c.Width << " x " << c.Height);
        const TPrintLayout page = Print(Grid(c.Width, c.Height), kA4);
        EXPECT_EQ(page.LinesOutside, c.LinesOutside);
        EXPECT_EQ(page.ColumnsOutside, c.ColumnsOutside);
        EXPECT_EQ(page.Texts.size(), static_cast<std::size_t>(c.Height - c.LinesOutside));
        EXPECT_EQ(page.Metrics.PrintableWidth, 2480);
    }
    // A column is one DOS byte: a character of two UTF-16 units prints as one.
    std::u16string faces;
    for (int i = 0; i < 50; ++i)
        faces += u"\U0001F600";
    EXPECT_EQ(Print(faces, {50, 50, 3508, 15 + 50 * 50}).ColumnsOutside, 0);
    EXPECT_EQ(Print(faces, {50, 50, 3508, 15 + 49 * 50}).ColumnsOutside, 1);
    EXPECT_EQ(Print(Grid(10, 3), {0, 0, 3508, 0}).ColumnsOutside, 0)
        << "a font without a space width cuts nothing";
}

TEST(PrintLayout, AFullPageOfFramesKeepsOnlyWhatTheSheetHolds) {
    const TPrintLayout page = Print(Grid(250, 500, u'\u00C5'), kA4); // ┼ everywhere
    EXPECT_EQ(page.LinesOutside, 430);
    EXPECT_EQ(page.Segments.size(), 70u * 250u * 2u) << "two strokes a cell, 70 lines";
    for (const TSegment& segment : page.Segments)
        ASSERT_LT(segment.From.Y, 3508 + 50);
}

} // namespace
} // namespace typ
