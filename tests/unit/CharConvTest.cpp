#include "charconv/CharConv.h"

#include "charconv/CodePage850.h"

#include <gtest/gtest.h>
#include <string>

namespace typ {
namespace {

const std::u16string kWinLetters = u"ºÑØÜáéíñóôúü¾";
const std::u16string kDosLetters = u"§¥\u009Dš\u00A0‚¡¤¢“£\u0081ó";

using TTransform = std::u16string (*)(std::u16string);

std::u16string Char(char16_t c) {
    return std::u16string(1, c);
}

// Characters of the whole UTF-16 range that the transform changes.
std::u16string Changed(TTransform transform) {
    std::u16string changed;
    for (unsigned c = 0; c <= 0xFFFF; ++c) {
        if (transform(Char(static_cast<char16_t>(c))) != Char(static_cast<char16_t>(c))) {
            changed += static_cast<char16_t>(c);
        }
    }
    return changed;
}

TEST(CharConv, EmptyStaysEmpty) {
    for (TTransform transform : {&TCharConv::TransformToDos, &TCharConv::TransformToWin,
                                 &TCharConv::TransformToWinFormularios,
                                 &TCharConv::TransformToDosWide, &TCharConv::TransformToWinWide}) {
        EXPECT_EQ(transform(u""), u"");
    }
    EXPECT_EQ(TCharConv::ConvDosToWin(u""), u"");
    EXPECT_EQ(TCharConv::ConvWinToDos(u""), u"");
}

TEST(CharConv, TableMapsTheThirteenLettersBothWays) {
    EXPECT_EQ(TCharConv::TransformToDos(u"Año"), u"A\u00A4o");
    EXPECT_EQ(TCharConv::TransformToWin(u"A\u00A4o"), u"Año");
    EXPECT_EQ(TCharConv::TransformToDos(kWinLetters), kDosLetters);
    EXPECT_EQ(TCharConv::TransformToWin(kDosLetters), kWinLetters);
    EXPECT_EQ(TCharConv::TransformToDos(u"ÁÉÍÓÚ¿¡ªç"), u"ÁÉÍÓÚ¿¡ªç");
    EXPECT_EQ(TCharConv::TransformToWin(u"ÁÉÍÓÚ¿ªç¡"), u"ÁÉÍÓÚ¿ªçí");
    EXPECT_EQ(Changed(&TCharConv::TransformToDos).size(), 13u);
    EXPECT_EQ(Changed(&TCharConv::TransformToWin).size(), 13u);
}

TEST(CharConv, ReplacementsNeverChain) {
    EXPECT_EQ(TCharConv::TransformToDos(u"¾"), u"ó");
    EXPECT_EQ(TCharConv::TransformToDos(u"ó"), u"¢");
    EXPECT_EQ(TCharConv::TransformToDos(u"¾ó"), u"ó¢");
    EXPECT_EQ(TCharConv::TransformToWin(u"ó¢"), u"¾ó");
}

TEST(CharConv, FormulariosDiffersInThreeEntries) {
    EXPECT_EQ(TCharConv::TransformToWinFormularios(u"¿Qué?"), u"¿Quéé");
    EXPECT_EQ(TCharConv::TransformToWinFormularios(u"ó¾¢‚"), u"óóóé");
    EXPECT_EQ(TCharConv::TransformToWin(u"ó?"), u"¾?");
    EXPECT_EQ(Changed(&TCharConv::TransformToWinFormularios), u"?\u0081\u009D\u00A0¡¢£¤¥§¾š‚“");
    for (char16_t c : kDosLetters + u"ÁÉÍÓÚ¿ªç") {
        if (c != u'ó') {
            EXPECT_EQ(TCharConv::TransformToWinFormularios(Char(c)),
                      TCharConv::TransformToWin(Char(c)));
        }
    }
}

TEST(CharConv, WideTwinsMatchOverEveryCharacter) {
    std::u16string all;
    for (unsigned c = 0; c <= 0xFFFF; ++c) {
        all += static_cast<char16_t>(c);
    }
    EXPECT_EQ(TCharConv::TransformToDosWide(all), TCharConv::TransformToDos(all));
    EXPECT_EQ(TCharConv::TransformToWinWide(all), TCharConv::TransformToWin(all));
    EXPECT_EQ(TCharConv::TransformToWinFormularios(all).size(), all.size());
}

TEST(CharConv, WholeConversionAgreesWithTheTable) {
    EXPECT_EQ(TCharConv::ConvWinToDos(u"á"), u"\u00A0");
    EXPECT_EQ(TCharConv::ConvDosToWin(u"\u00A0"), u"á");
    EXPECT_EQ(TCharConv::ConvWinToDos(kWinLetters), kDosLetters);
    EXPECT_EQ(TCharConv::ConvDosToWin(kDosLetters), kWinLetters);
}

TEST(CharConv, WholeConversionRoundTripsSharedCharacters) {
    std::u16string shared;
    for (char16_t c = 0; c <= 0xFF; ++c) {
        if (c < 0x80 || c >= 0xA0) {
            shared += c;
        }
    }
    shared += u'ƒ';
    EXPECT_EQ(TCharConv::ConvDosToWin(TCharConv::ConvWinToDos(shared)), shared);
    const std::u16string ascii = shared.substr(0, 0x80);
    EXPECT_EQ(TCharConv::ConvWinToDos(ascii), ascii);
    EXPECT_EQ(TCharConv::ConvDosToWin(ascii), ascii);
}

TEST(CharConv, WholeConversionBestFits) {
    EXPECT_EQ(TCharConv::ConvWinToDos(u"€„…‰Œ“”–™•"), u"E\".%O\"\"-T\u00FA");
    const std::u16string ansi =
        TCharConv::ConvWinToDos(u"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(ansi.find(u'?'), 27u);
    EXPECT_EQ(ansi.substr(27), u"?????");
    EXPECT_EQ(TCharConv::ConvDosToWin(DosBytesToAnsi("\xB3\xBA\xC4\xCD\xDA\xD5\xF2")), u"||-=+i_");
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::u16string win =
            TCharConv::ConvDosToWin(DosBytesToAnsi(std::string(1, static_cast<char>(b))));
        const char16_t glyph = DosGlyph(static_cast<unsigned char>(b));
        if (glyph >= 0x2500 && glyph <= 0x25FF) {
            EXPECT_TRUE(win[0] > 0x20 && win[0] < 0x7F && win[0] != u'?') << b;
        } else {
            EXPECT_NE(win[0], u'?') << b;
        }
    }
}

TEST(CharConv, LongAndUnusualTextConvertsWhole) {
    std::u16string text;
    for (int i = 0; i < 2500; ++i) {
        text += u"Año";
        text += u'\0';
    }
    EXPECT_EQ(TCharConv::ConvWinToDos(text), TCharConv::TransformToDos(text));
    EXPECT_EQ(TCharConv::ConvDosToWin(TCharConv::ConvWinToDos(text)), text);
    const std::u16string odd{0xD800, u'x', 0xDC00, u'中'};
    EXPECT_EQ(TCharConv::TransformToDos(odd), odd);
    EXPECT_EQ(TCharConv::ConvWinToDos(odd), u"?x??");
    EXPECT_EQ(TCharConv::ConvDosToWin(odd + u"│\U0001F600"), u"?x????");
}

} // namespace
} // namespace typ
