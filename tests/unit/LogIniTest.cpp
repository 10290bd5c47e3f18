#include "logging/LogIni.h"

#include "LogTestSupport.h"
#include "environment/StrUtils.h"
#include "logging/LogFile.h"
#include "logging/LogIniHelp.h"
#include "logging/TextEncoding.h"
#include "platform/FileSystem.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace typ {
namespace {

using test::ReadBytes;
using test::TAppDataSandbox;
using test::WriteBytes;

std::string Ansi(std::u16string_view text) {
    return EncodeText(text, TTextEncoding::Ansi);
}

std::string HelpBytes() {
    return Ansi(JoinLines(LogFileHelpLines()));
}

std::u16string ReadIni(const std::u16string& process = u"", const std::u16string& id = u"") {
    TLogIni ini(process, id);
    return ini.ReadIni();
}

class LogIniTest : public ::testing::Test {
protected:
    TAppDataSandbox FSandbox;
};

TEST_F(LogIniTest, TheConfigFileIsInTheMakersCommonFolder) {
    EXPECT_EQ(TLogIni(u"App", u"").ConfigFile(), FSandbox.LogIni());
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(FSandbox.LogIni())));
}

TEST_F(LogIniTest, HelpTextHasItsNinetyNineLinesWithTheBoxPadding) {
    const auto& lines = LogFileHelpLines();
    ASSERT_EQ(lines.size(), 99u);
    EXPECT_EQ(lines[0], u"[LogFileHelp]");
    EXPECT_EQ(lines[1], std::u16string(77, u'*'));
    EXPECT_EQ(lines[98], std::u16string(77, u'*'));
    const std::u16string blank = u"**" + std::u16string(73, u' ') + u"**";
    int blanks = 0;
    for (std::size_t i = 2; i < 98; ++i) {
        EXPECT_TRUE(lines[i].starts_with(u"**") && lines[i].ends_with(u"**")) << i;
        blanks += lines[i] == blank ? 1 : 0;
        // Two lines overflow the box by one column, as they always have.
        const bool wide = lines[i].starts_with(u"** Archivo_Texto_Directorio=") ||
                          lines[i].starts_with(u"**   C:\\ProgramData");
        EXPECT_EQ(lines[i].size(), wide ? 78u : 77u) << i;
    }
    EXPECT_EQ(blanks, 16);
    EXPECT_EQ(lines[21],
              u"**  Por ejemplo                                                            **");
    EXPECT_EQ(lines[55],
              u"** Archivo_Texto_Nombre=\" \"  (valor por defecto)                           **");
    EXPECT_EQ(lines[66],
              u"**  + ------------------------------------------------+                    **");
    EXPECT_EQ(lines[83],
              u"**  | ltTermLogIn, tTermLogOff  | 000010000000 | 128  |                    **");
}

TEST_F(LogIniTest, AMissingFileIsCreatedWithHelpAndDefaultGlobal) {
    const TLogFile supplier;
    TLogIni ini(u"", u"");
    ini.SetOnGetDefaultConfiguration([&supplier] { return supplier.GetDefaultConfiguration(); });
    const std::u16string keys = u"Debug_Activo=1\r\n"
                                u"Archivo_Texto_Nivel=7\r\n"
                                u"Archivo_Texto_Mostrar_Usuario=0\r\n"
                                u"Archivo_Texto_Tamaño_Maximo=1024\r\n"
                                u"Guarda_Historial=0\r\n"
                                u"Archivo_Texto_Directorio=" +
                                FSandbox.Logs() + u"\r\n" +
                                u"Archivo_Texto_Nombre= \r\n"
                                u"Archivo_Texto_Identacion=\" \"\r\n";

    const std::u16string read = ini.ReadIni();

    EXPECT_EQ(ReadBytes(FSandbox.LogIni()), HelpBytes() + Ansi(u"[GLOBAL]\r\n" + keys));
    EXPECT_NE(ReadBytes(FSandbox.LogIni()).find("Tama\xF1o"), std::string::npos);
    // The name reads back empty: the trimmed value of a line that holds one blank.
    EXPECT_EQ(read, ReplaceAll(keys, u"Archivo_Texto_Nombre= ", u"Archivo_Texto_Nombre="));
}

TEST_F(LogIniTest, WithoutSupplierTheDefaultGlobalHasOnlyDebugActivo) {
    EXPECT_EQ(ReadIni(), u"Debug_Activo=1\r\n");
    EXPECT_EQ(ReadBytes(FSandbox.LogIni()), HelpBytes() + "[GLOBAL]\r\nDebug_Activo=1\r\n");
}

TEST_F(LogIniTest, AFileWithOnlyGlobalGetsTheHelpOnTop) {
    WriteBytes(FSandbox.LogIni(), "[GLOBAL]\nArchivo_Texto_Nivel=12");
    EXPECT_EQ(ReadIni(), u"Archivo_Texto_Nivel=12\r\n");
    EXPECT_EQ(ReadBytes(FSandbox.LogIni()), HelpBytes() + "[GLOBAL]\r\nArchivo_Texto_Nivel=12\r\n");
}

TEST_F(LogIniTest, CompletingKeepsTheByteOrderMarkAndEncoding) {
    const std::u16string content = u"[GLOBAL]\r\nArchivo_Texto_Identacion=»\r\n";
    WriteBytes(FSandbox.LogIni(), EncodeText(content, TTextEncoding::Utf8));
    EXPECT_EQ(ReadIni(), u"Archivo_Texto_Identacion=»\r\n");
    EXPECT_EQ(ReadBytes(FSandbox.LogIni()),
              EncodeText(JoinLines(LogFileHelpLines()) + content, TTextEncoding::Utf8));

    WriteBytes(FSandbox.LogIni(), EncodeText(content, TTextEncoding::Utf16LE));
    EXPECT_EQ(ReadIni(), u"Archivo_Texto_Identacion=»\r\n");
    EXPECT_EQ(DecodeText(ReadBytes(FSandbox.LogIni())).Encoding, TTextEncoding::Utf16LE);
}

TEST_F(LogIniTest, AMissingGlobalIsAppendedAndReadFromTheNextCall) {
    WriteBytes(FSandbox.LogIni(), HelpBytes() + "[App]\r\nArchivo_Texto_Nivel=32\r\n");
    EXPECT_EQ(ReadIni(u"App"), u"Archivo_Texto_Nivel=32\r\n");
    EXPECT_EQ(ReadBytes(FSandbox.LogIni()),
              HelpBytes() + "[App]\r\nArchivo_Texto_Nivel=32\r\n[GLOBAL]\r\nDebug_Activo=1\r\n");
    EXPECT_EQ(ReadIni(u"App"), u"Debug_Activo=1\r\nArchivo_Texto_Nivel=32\r\n");
}

TEST_F(LogIniTest, SectionsComeGlobalThenProcessThenProcessWithId) {
    WriteBytes(FSandbox.LogIni(), HelpBytes() + "[app_1626]\r\nc=3\r\n"
                                                "[App]\r\nArchivo_Texto_Nivel=32\r\nb=2\r\n"
                                                "[GLOBAL]\r\nArchivo_Texto_Nivel=7\r\na=1\r\n"
                                                "[App_9]\r\nd=4\r\n");
    EXPECT_EQ(ReadIni(u"App", u"1626"),
              u"Archivo_Texto_Nivel=7\r\na=1\r\nArchivo_Texto_Nivel=32\r\nb=2\r\nc=3\r\n");
    EXPECT_EQ(ReadIni(u"APP"),
              u"Archivo_Texto_Nivel=7\r\na=1\r\nArchivo_Texto_Nivel=32\r\nb=2\r\n");
    EXPECT_EQ(ReadIni(u"", u"1626"), u"Archivo_Texto_Nivel=7\r\na=1\r\n");
    EXPECT_EQ(ReadIni(u"Otra", u"1626"), u"Archivo_Texto_Nivel=7\r\na=1\r\n");
}

TEST_F(LogIniTest, AFileThatCannotBeCreatedGivesAnEmptyConfiguration) {
    std::filesystem::create_directories(std::filesystem::path(FSandbox.LogIni()));
    EXPECT_EQ(ReadIni(), u"");
}

TEST_F(LogIniTest, AnErrorLoadingAnExistingFileReachesTheCaller) {
    WriteBytes(FSandbox.LogIni(), HelpBytes() + "[GLOBAL]\r\na=1\r\n");
    const auto held = FileSystem().OpenExclusive(FSandbox.LogIni());
    ASSERT_NE(held, nullptr);
    EXPECT_THROW(ReadIni(), EFileError);
}

TEST_F(LogIniTest, BinaryAndHugeFilesAreReadLikeAnyOther) {
    std::string binary = HelpBytes() + "[GLOBAL]\r\nArchivo_Texto_Nivel=39\r\n";
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>((i * 37) % 256);
    }
    WriteBytes(FSandbox.LogIni(), binary);
    EXPECT_TRUE(ReadIni().starts_with(u"Archivo_Texto_Nivel=39\r\n"));

    std::string huge = HelpBytes() + "[GLOBAL]\r\nArchivo_Texto_Nivel=39\r\n[Relleno]\r\n";
    while (huge.size() < 10 * 1024 * 1024) {
        huge += "clave" + std::to_string(huge.size()) + "=un valor cualquiera;con;puntos\r\n";
    }
    WriteBytes(FSandbox.LogIni(), huge);
    EXPECT_EQ(ReadIni(), u"Archivo_Texto_Nivel=39\r\n");
    EXPECT_EQ(ReadBytes(FSandbox.LogIni()).size(), huge.size());
}

} // namespace
} // namespace typ
