#include "logging/PropertyWriter.h"

#include "LogTestSupport.h"
#include "logging/KeyValueText.h"
#include "platform/Environment.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

class PropertyWriterTest : public ::testing::Test {
protected:
    test::TAppDataSandbox FSandbox;
};

std::u16string ProgramLogName() {
    return ChangeFileExt(ExtractFileName(Environment().ProgramPath()), u".log");
}

TEST_F(PropertyWriterTest, ConstructionValues) {
    const TPropertyTextWriter props;
    EXPECT_EQ(props.Level(), 7);
    EXPECT_FALSE(props.OSCurrentUser());
    EXPECT_FALSE(props.ShowProcessName());
    EXPECT_EQ(props.ThreadID(), u"");
    EXPECT_EQ(props.MaxSize(), 1024);
    EXPECT_FALSE(props.SaveHistory());
    EXPECT_EQ(props.Path(), FSandbox.Logs());
    EXPECT_EQ(props.FileName(), ProgramLogName());
    EXPECT_TRUE(props.FileName().ends_with(u".log"));
    EXPECT_EQ(props.Tabs(), u" ");
    EXPECT_EQ(props.TabCount(), -1);
}

TEST_F(PropertyWriterTest, GetPropsListsTheKeysInOrderAndLeavesOutEmptyValues) {
    TPropertyTextWriter props;
    props.SetOSCurrentUser(true);
    props.SetSaveHistory(true);
    props.SetLevel(39);
    props.SetTabs(u"");
    EXPECT_EQ(props.GetProps(), u"Archivo_Texto_Nivel=39\r\n"
                                u"Archivo_Texto_Mostrar_Usuario=-1\r\n"
                                u"Archivo_Texto_Tamaño_Maximo=1024\r\n"
                                u"Guarda_Historial=-1\r\n"
                                u"Archivo_Texto_Directorio=" +
                                    FSandbox.Logs() + u"\r\nArchivo_Texto_Nombre=" +
                                    ProgramLogName() + u"\r\nArchivo_Texto_Identacion=\"\"\r\n");
    EXPECT_EQ(TPropertyWriter().GetProps(),
              u"Archivo_Texto_Nivel=7\r\nArchivo_Texto_Mostrar_Usuario=0\r\n");
}

TEST_F(PropertyWriterTest, SetPropsTakesTheFirstLineOfEachKey) {
    TPropertyTextWriter props;
    const test::TTempFolder other;
    props.SetProps(u"archivo_texto_nivel=12\r\nArchivo_Texto_Nivel=32\n"
                   u"Archivo_Texto_Mostrar_Usuario=true\r"
                   u"Archivo_Texto_Tamaño_Maximo=0\r\n"
                   u"Guarda_Historial=-1\r\n"
                   u"Archivo_Texto_Directorio=" +
                   other.Path().u16string() +
                   u"\r\n"
                   u"Archivo_Texto_Nombre=otro.log\r\n"
                   u"Archivo_Texto_Identacion=\"->\"\r\n"
                   u"ThreadID=512345\r\nThreadID=1");
    EXPECT_EQ(props.Level(), 12);
    EXPECT_TRUE(props.OSCurrentUser());
    EXPECT_EQ(props.MaxSize(), 0);
    EXPECT_TRUE(props.SaveHistory());
    EXPECT_EQ(props.Path(), other.Text());
    EXPECT_EQ(props.FileName(), u"otro.log");
    EXPECT_EQ(props.Tabs(), u"->");
    EXPECT_EQ(props.ThreadID(), u"512345");
    EXPECT_EQ(props.TabCount(), -1);
}

TEST_F(PropertyWriterTest, SetPropsDefaultsForAbsentOrUnparseableKeys) {
    TPropertyTextWriter props;
    props.SetProps(u"Archivo_Texto_Nivel=7\r\nArchivo_Texto_Directorio=" + FSandbox.Root().Text() +
                   u"\r\nArchivo_Texto_Nombre=x.log");
    props.SetProps(u"Archivo_Texto_Nivel=siete\r\n"
                   u"Archivo_Texto_Mostrar_Usuario=si\r\n"
                   u"Archivo_Texto_Tamaño_Maximo=1 024\r\n"
                   u"Archivo_Texto_Nombre= \r\n");
    EXPECT_EQ(props.Level(), 7);
    EXPECT_FALSE(props.OSCurrentUser());
    EXPECT_EQ(props.MaxSize(), 1024);
    EXPECT_FALSE(props.SaveHistory());
    EXPECT_EQ(props.Path(), FSandbox.Root().Text()) << "an absent folder keeps the current one";
    EXPECT_EQ(props.FileName(), ProgramLogName()) << "a blank name gives the default";
    EXPECT_EQ(props.Tabs(), u"") << "an absent indentation switches it off";
    EXPECT_EQ(props.ThreadID(), u"");
}

TEST(KeyValueText, FindsSetsAndRemovesKeys) {
    const std::u16string text = u"A=1\r\nb=2=3\nsin igual\rA=4";
    EXPECT_EQ(FindKeyValue(text, u"a"), u"1");
    EXPECT_EQ(KeyValue(text, u"B"), u"2=3");
    EXPECT_EQ(FindKeyValue(text, u"sin igual"), std::nullopt);
    EXPECT_EQ(KeyValue(u" A=1", u"A"), u"") << "names are not trimmed";
    EXPECT_EQ(SetKeyValue(text, u"a", u"9"), u"a=9\r\nb=2=3\r\nsin igual\r\nA=4\r\n");
    EXPECT_EQ(SetKeyValue(text, u"A", u""), u"b=2=3\r\nsin igual\r\nA=4\r\n");
    EXPECT_EQ(SetKeyValue(u"", u"Initialized", u"S"), u"Initialized=S\r\n");
    EXPECT_EQ(SetKeyValue(u"x=1", u"y", u""), u"x=1\r\n");
}

TEST(KeyValueText, IntegersAndBooleans) {
    EXPECT_EQ(ParseInteger(u"39", 7), 39);
    EXPECT_EQ(ParseInteger(u"-5", 7), -5);
    EXPECT_EQ(ParseInteger(u"", 7), 7);
    EXPECT_EQ(ParseInteger(u"12a", 7), 7);
    EXPECT_TRUE(ParseBoolean(u"-1", false));
    EXPECT_TRUE(ParseBoolean(u"2", false));
    EXPECT_FALSE(ParseBoolean(u"0", true));
    EXPECT_TRUE(ParseBoolean(u"TRUE", false));
    EXPECT_FALSE(ParseBoolean(u"False", true));
    EXPECT_TRUE(ParseBoolean(u"si", true));
    EXPECT_FALSE(ParseBoolean(u"", false));
}

} // namespace
} // namespace typ
