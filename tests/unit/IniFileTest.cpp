#include "logging/IniFile.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

using TValues = std::vector<TIniFile::TKeyValue>;

TEST(IniFile, ReadsSectionsKeysAndValuesTrimmed) {
    const TIniFile ini(u"  [ GLOBAL ]  \r\n"
                       u" Archivo_Texto_Nivel = 7 \r\n"
                       u"; comentario=1\r\n"
                       u"\r\n"
                       u"sin igual\n"
                       u"Archivo_Texto_Identacion=\" \"\r"
                       u"a=b=c\r\n");
    EXPECT_TRUE(ini.SectionExists(u"GLOBAL"));
    EXPECT_EQ(ini.SectionValues(u"global"), (TValues{{u"Archivo_Texto_Nivel", u"7"},
                                                     {u"Archivo_Texto_Identacion", u"\" \""},
                                                     {u"a", u"b=c"}}));
}

TEST(IniFile, LinesBeforeTheFirstSectionAndUnknownSectionsGiveNothing) {
    const TIniFile ini(u"x=1\r\n[App]\r\ny=2\r\n");
    EXPECT_FALSE(ini.SectionExists(u"GLOBAL"));
    EXPECT_TRUE(ini.SectionValues(u"GLOBAL").empty());
    EXPECT_EQ(ini.SectionValues(u"APP"), (TValues{{u"y", u"2"}}));
}

TEST(IniFile, SectionNamesCompareWithoutCaseIncludingAccentedLetters) {
    const TIniFile ini(u"[Configuración]\r\nA=1\r\n[app_1626]\r\nB=2\r\n");
    EXPECT_EQ(ini.SectionValues(u"CONFIGURACIÓN"), (TValues{{u"A", u"1"}}));
    EXPECT_EQ(ini.SectionValues(u"App_1626"), (TValues{{u"B", u"2"}}));
}

TEST(IniFile, BadInputNeverBreaksTheReading) {
    // A header without its closing bracket is an ordinary line of the section before.
    const TIniFile open(u"[A]\r\n[B\r\nk=v\r\n[C]=1\r\n");
    EXPECT_FALSE(open.SectionExists(u"B"));
    EXPECT_EQ(open.SectionValues(u"A"), (TValues{{u"k", u"v"}, {u"[C]", u"1"}}));

    // A section that appears twice is one: its lines in file order.
    const TIniFile twice(u"[A]\r\nk=1\r\n[B]\r\nx=0\r\n[a]\r\nk=2\r\nm=3\r\n");
    EXPECT_EQ(twice.SectionValues(u"A"), (TValues{{u"k", u"1"}, {u"k", u"2"}, {u"m", u"3"}}));

    // Binary bytes are characters like any other; control characters trim away.
    const std::u16string binary = {u'[', u'G',    u']',    u'\r', u'\0', u'k',  u'\x01',
                                   u'=', u'\xFF', u'\x7F', u'\t', u'\r', u'\n', u'[',
                                   u']', u'\n',   u'z',    u'=',  u'\0'};
    const TIniFile bytes(binary);
    EXPECT_EQ(bytes.SectionValues(u"G"), (TValues{{u"k", u"\xFF\x7F"}}));
    EXPECT_TRUE(bytes.SectionExists(u""));
    EXPECT_TRUE(TIniFile(u"").SectionValues(u"").empty());
}

TEST(IniFile, ReadsALargeFileInOnePass) {
    std::u16string text;
    for (int i = 0; i < 200000; ++i) {
        text += u"[S" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) + u"]\r\nk=v\r\n";
    }
    const TIniFile ini(text);
    EXPECT_EQ(ini.SectionValues(u"SA").size(), 200000u / 26 + 1);
}

} // namespace
} // namespace typ
