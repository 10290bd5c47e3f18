#include "environment/StrUtils.h"

#include "charconv/UnicodeBytes.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

TEST(StrUtils, LetterCaseCoversTheAnsiLetters) {
    EXPECT_TRUE(SameText(u"Archivo_Texto_TAMAÑO_Maximo", u"archivo_texto_tamaño_maximo"));
    EXPECT_TRUE(SameText(u"ÀÉÎÕÜÇŠŒŽŸ", u"àéîõüçšœžÿ"));
    EXPECT_FALSE(SameText(u"×", u"÷"));
    EXPECT_FALSE(SameText(u"ab", u"abc"));
    EXPECT_EQ(FindText(u"x%Var%y%VAR%", u"%var%", 2), 7u);
    EXPECT_EQ(FindText(u"abc", u"abcd"), std::u16string::npos);
}

TEST(StrUtils, TrimAndLines) {
    EXPECT_EQ(Trim(u"\t  a b \r\n\x01"), u"a b");
    EXPECT_TRUE(IsBlank(u" \t\r\n"));
    EXPECT_FALSE(IsBlank(u" x "));
    EXPECT_EQ(SplitLines(u"a\r\nb\rc\n\nd\r\n"),
              (std::vector<std::u16string>{u"a", u"b", u"c", u"", u"d"}));
    EXPECT_TRUE(SplitLines(u"").empty());
    EXPECT_EQ(JoinLines({u"a", u""}), u"a\r\n\r\n");
    EXPECT_EQ(ReplaceAll(u"a;b;;", u";", u"\r\n"), u"a\r\nb\r\n\r\n");
}

TEST(StrUtils, StrToIntAcceptsOnlyDecimal32BitIntegers) {
    EXPECT_EQ(StrToInt(u"39"), 39);
    EXPECT_EQ(StrToInt(u"-1"), -1);
    EXPECT_EQ(StrToInt(u"+2147483647"), 2147483647);
    EXPECT_EQ(StrToInt(u"-2147483648"), -2147483647 - 1);
    for (const char16_t* bad :
         {u"", u"-", u"2147483648", u" 7", u"7 ", u"0x10", u"1e3", u"99999999999999999999"}) {
        EXPECT_FALSE(StrToInt(bad).has_value())
            << std::string(bad, bad + std::char_traits<char16_t>::length(bad));
    }
}

TEST(Utf8, RoundTripAndDamagedInput) {
    const std::u16string text = u"Excepción \U0001F600 ñ";
    EXPECT_EQ(DecodeUtf8(EncodeUtf8(text)), text);
    EXPECT_EQ(EncodeUtf8(u"ñ"), "\xC3\xB1");
    EXPECT_EQ(DecodeUtf8("a\xC3"), u"a\uFFFD");
    // Each maximal ill-formed part is one replacement: an encoded surrogate is three.
    EXPECT_EQ(DecodeUtf8("\xC0\xAF|\xED\xA0\x80|\xFF"), u"\uFFFD\uFFFD|\uFFFD\uFFFD\uFFFD|\uFFFD");
    EXPECT_EQ(EncodeUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

} // namespace
} // namespace typ
