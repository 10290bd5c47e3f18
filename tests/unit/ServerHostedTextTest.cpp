#include "editor/GridEditor.h"
#include "server/HostedText.h"

#include <gtest/gtest.h>
#include <string>

namespace typ {
namespace {

std::u16string Lines(int count, std::u16string_view line) {
    std::u16string text;
    for (int i = 0; i < count; ++i)
        text.append(i == 0 ? u"" : u"\r\n").append(line);
    return text;
}

// The hosted run without the window: load the host's text, let the show hook
// size the page, and hand back what the editor then holds.
class ServerHostedTextTest : public ::testing::Test {
protected:
    std::u16string Shown(std::u16string_view received) {
        grid.Editor().SetText(NormalizeLineBreaks(received));
        const TPageSize page = PrepareHostedPage(grid.Editor());
        grid.SetPageSize(page.Width, page.Height);
        return grid.Editor().Text();
    }
    TPageSize Page(std::u16string_view text) {
        grid.Editor().SetText(text);
        return PrepareHostedPage(grid.Editor());
    }

    TGridEditor grid;
};

TEST_F(ServerHostedTextTest, LoneCarriageReturnsAndLineFeedsBecomePairs) {
    EXPECT_EQ(NormalizeLineBreaks(u"a\nb\rc\r\nd"), u"a\r\nb\r\nc\r\nd");
    EXPECT_EQ(NormalizeLineBreaks(u"\n\r"), u"\r\n\r\n");
    EXPECT_EQ(NormalizeLineBreaks(u"\r\r\n\n"), u"\r\n\r\n\r\n");
    EXPECT_EQ(NormalizeLineBreaks(u"x\r"), u"x\r\n");
    EXPECT_EQ(NormalizeLineBreaks(u"\x1A\xC4\xB3"), u"\x1A\xC4\xB3");
    EXPECT_EQ(NormalizeLineBreaks(u""), u"");
    EXPECT_EQ(NormalizeLineBreaks(u"a\U0001F600b\xDC00"), u"a?b?"); // one cell each
}

TEST_F(ServerHostedTextTest, EndOfFileMarkCutsItsLineAndDropsTheRest) {
    std::u16string text = Lines(10, u"0123456789");
    text[2 * 12 + 4] = 26;
    grid.Editor().SetText(text);
    CutAtEndOfFile(grid.Editor());
    EXPECT_EQ(grid.Editor().Text(), Lines(2, u"0123456789") + u"\r\n0123\r\n");

    grid.Editor().SetText(u"ab\r\ncd");
    CutAtEndOfFile(grid.Editor());
    EXPECT_EQ(grid.Editor().Text(), u"ab\r\ncd");

    grid.Editor().SetText(u"ab\r\nc\x1A"
                          u"d\x1A");
    CutAtEndOfFile(grid.Editor());
    EXPECT_EQ(grid.Editor().Text(), u"ab\r\nc");
}

TEST_F(ServerHostedTextTest, PageFitsTheLinesWithDefaultsForNone) {
    EXPECT_EQ(Page(u""), (TPageSize{250, 80}));
    EXPECT_EQ(Page(u"ab\r\nabcd"), (TPageSize{4, 2}));
    EXPECT_EQ(Page(u"abc\r\n"), (TPageSize{3, 1}));
    EXPECT_EQ(Page(u"\r\n\r\n"), (TPageSize{250, 2}));
    // A mark that leaves the first line empty keeps that line: one line, not none.
    EXPECT_EQ(Page(u"\x1A"
                   u"abc\r\nlonger line"),
              (TPageSize{250, 1}));
    EXPECT_EQ(Page(u"ab\r\nx\x1A"
                   u"abcdef\r\nlonger line"),
              (TPageSize{2, 2}));
}

TEST_F(ServerHostedTextTest, HostedRunsHandBackTheNormalisedGrid) {
    const std::u16string empty = Shown(u"");
    EXPECT_EQ(empty, Lines(80, std::u16string(250, u' ')));
    EXPECT_TRUE(HostedTextChanged(u"", empty));

    EXPECT_EQ(Shown(u"ab\r\nabcd"), u"ab  \r\nabcd");

    const std::u16string grid3 = u"abc\r\ndef\r\nghi";
    EXPECT_EQ(Shown(grid3), grid3);
    EXPECT_FALSE(HostedTextChanged(grid3, Shown(grid3)));

    EXPECT_EQ(Shown(u"ab\ncd\n"), u"ab\r\ncd");
    EXPECT_TRUE(HostedTextChanged(u"ab\ncd\n", Shown(u"ab\ncd\n")));
}

TEST_F(ServerHostedTextTest, AnOversizedTextLeavesThePageAsItWas) {
    const std::u16string text = std::u16string(16384, u'x') + Lines(4097, u"") + u"y";
    const TPageSize page = Page(text);
    EXPECT_EQ(page, (TPageSize{16384, 4097}));
    EXPECT_THROW(grid.SetPageSize(page.Width, page.Height), EEditorError);
    EXPECT_EQ(grid.AnchoPagina(), 250);
}

TEST_F(ServerHostedTextTest, CommonDirectoryEndsInOneDelimiter) {
    EXPECT_EQ(WithTrailingDelimiter(u"C:\\Vn\\Comunes"), u"C:\\Vn\\Comunes\\");
    EXPECT_EQ(WithTrailingDelimiter(u"C:\\Vn\\Comunes\\"), u"C:\\Vn\\Comunes\\");
    EXPECT_EQ(WithTrailingDelimiter(u""), u"\\");
}

TEST_F(ServerHostedTextTest, ChangeIsAnyCodeUnitDifference) {
    EXPECT_FALSE(HostedTextChanged(u"ab\r\ncd", u"ab\r\ncd"));
    EXPECT_TRUE(HostedTextChanged(u"ab\r\ncd", u"ab\r\ncd "));
    EXPECT_TRUE(HostedTextChanged(u"ab", u"aB"));
    EXPECT_TRUE(HostedTextChanged(u"\u00E9", u"e\u0301"));
}

} // namespace
} // namespace typ
