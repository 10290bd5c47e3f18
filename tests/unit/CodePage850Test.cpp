#include "charconv/CodePage850.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace typ {
namespace {

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    return bytes;
}

TEST(CodePage850, KnownPositions) {
    const std::pair<unsigned char, char16_t> known[] = {
        {0xB3, u'│'}, {0xC4, u'─'}, {0xDA, u'┌'}, {0xBF, u'┐'}, {0xC0, u'└'},
        {0xD9, u'┘'}, {0xC5, u'┼'}, {0xCD, u'═'}, {0xBA, u'║'}, {0xA4, u'ñ'},
        {0x82, u'é'}, {0xD5, u'ı'}, {0xF3, u'¾'}, {0x9D, u'Ø'}, {0xFF, u'\u00A0'},
        {0x80, u'Ç'}, {0x9F, u'ƒ'}, {0xF2, u'‗'}, {0xFE, u'■'}, {0xB0, u'░'}};
    for (const auto& [byte, c] : known) {
        EXPECT_EQ(DosGlyph(byte), c) << int{byte};
        EXPECT_EQ(CodePage850Table().Byte(c), byte) << int{byte};
    }
}

TEST(CodePage850, HoldsAllOfLatin1) {
    for (char16_t c = 0; c <= 0xFF; ++c) {
        if (c < 0x80 || c >= 0xA0) {
            EXPECT_TRUE(CodePage850Table().Byte(c).has_value()) << int{c};
        }
    }
}

TEST(CodePage850, DosAnsiRoundTripsEveryByte) {
    const std::u16string ansi = DosBytesToAnsi(AllBytes());
    ASSERT_EQ(ansi.size(), 256u);
    EXPECT_EQ(AnsiToDosBytes(ansi), AllBytes());
    EXPECT_EQ(ansi.substr(0x80, 4), u"€\u0081‚ƒ");
    for (char16_t undefined : {u'\u0081', u'\u008D', u'\u008F', u'\u0090', u'\u009D'}) {
        EXPECT_EQ(ansi[undefined], undefined);
    }
    EXPECT_EQ(ansi.substr(0x9A, 6), u"š›œ\u009DžŸ");
    EXPECT_EQ(DosBytesToAnsi(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(CodePage850, AnsiToDosBytesFallsBackToDosBoxBytesThenQuestionMark) {
    EXPECT_EQ(AnsiToDosBytes(u"│─█ı‗"), "\xB3\xC4\xDB\xD5\xF2");
    EXPECT_EQ(AnsiToDosBytes(u"中\u0080™"), "??\x99");
    EXPECT_EQ(AnsiToDosBytes(std::u16string{0xD800, u'a', 0xDC00, 0xDC00, 0xD800}), "?a???");
    EXPECT_EQ(AnsiToDosBytes(u"a\U0001F600b"), "a?b");
}

TEST(CodePage850, GlyphsAreVisibleAndDistinct) {
    std::set<char16_t> glyphs;
    for (int b = 1; b < 256; ++b) {
        const char16_t glyph = DosGlyph(static_cast<unsigned char>(b));
        EXPECT_TRUE(glyph >= 0xA0 || (glyph >= 0x20 && glyph < 0x7F)) << b;
        glyphs.insert(glyph);
    }
    EXPECT_EQ(glyphs.size(), 255u);
    EXPECT_EQ(DosGlyph(0x00), u' ');
    EXPECT_EQ(DosGlyph(0x01), u'☺');
    EXPECT_EQ(DosGlyph(0x1F), u'▼');
    EXPECT_EQ(DosGlyph(0x7F), u'⌂');
    EXPECT_EQ(DosGlyph('A'), u'A');
}

TEST(CodePage850, GlyphOfAnsiGoesThroughTheDosByte) {
    EXPECT_EQ(DosGlyphOfAnsi(u'\u00A0'), u'á');
    EXPECT_EQ(DosGlyphOfAnsi(u'‚'), u'é');
    EXPECT_EQ(DosGlyphOfAnsi(u'\u0081'), u'ü');
    EXPECT_EQ(DosGlyphOfAnsi(u'\u009D'), u'Ø');
    EXPECT_EQ(DosGlyphOfAnsi(u'\x01'), u'☺');
    EXPECT_EQ(DosGlyphOfAnsi(u'│'), u'│');
    EXPECT_EQ(DosGlyphOfAnsi(u'中'), u'中');
}

} // namespace
} // namespace typ
