#include "TemplateView.h"

#include <gtest/gtest.h>

namespace typ::win {
namespace {

TEST(TemplateView, ShowsDosBytesAsTheirGlyphs) {
    EXPECT_EQ(TemplateAsGlyphs("\xDA\xC4\xBF\r\n\xB3\xA4\xB3\r\n\xC0\xC4\xD9"),
              L"\u250C\u2500\u2510\n\u2502\u00F1\u2502\n\u2514\u2500\u2518\n");
    EXPECT_EQ(TemplateAsGlyphs("N\xA7 Descripci\xA2n"), L"N\u00BA Descripci\u00F3n\n");
}

TEST(TemplateView, BreaksLinesAtCrLfOrLfOnly) {
    EXPECT_EQ(TemplateAsGlyphs("a\nb\r\nc"), L"a\nb\nc\n");
    EXPECT_EQ(TemplateAsGlyphs(""), L"\n");
    const std::wstring loneCr = TemplateAsGlyphs("a\rb");
    ASSERT_EQ(loneCr.size(), 4u);
    EXPECT_NE(loneCr[1], L'\r') << "a lone CR is a glyph, not a break";
    EXPECT_NE(loneCr[1], L'\n');
}

} // namespace
} // namespace typ::win
