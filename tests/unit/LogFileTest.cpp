#include "logging/LogFile.h"

#include "LogTestSupport.h"
#include "environment/Format.h"
#include "environment/StrUtils.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace typ {
namespace {

using test::ReadLines;
using test::TAppDataSandbox;
using test::TTempFolder;
using test::WriteBytes;

std::u16string ProgramLogName() {
    return ChangeFileExt(ExtractFileName(Environment().ProgramPath()), u".log");
}

std::string Field(const std::string& line, int index) {
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = line.find(" | ", start) + 3;
    }
    return line.substr(start, line.find(" | ", start) - start);
}

class LogFileTest : public ::testing::Test {
protected:
    std::u16string DefaultLog() const { return FSandbox.Logs() + ProgramLogName(); }
    void WriteIni(const std::string& global) const {
        WriteBytes(FSandbox.LogIni(), "[LogFileHelp]\r\n[GLOBAL]\r\n" + global);
    }
    // The text field of the entries (the header left out).
    std::vector<std::string> Texts(const std::u16string& file) const {
        std::vector<std::string> texts;
        const auto lines = ReadLines(file);
        for (std::size_t i = 5; i < lines.size(); ++i) {
            texts.push_back(Field(lines[i], 2) + " " + Field(lines[i], 3));
        }
        return texts;
    }

    TAppDataSandbox FSandbox;
};

TEST_F(LogFileTest, TheFirstWriteCreatesLogIniAndTheProgramsLogInTheDefaultFolder) {
    TLogFile log;
    EXPECT_TRUE(log.Write(u"Servicio iniciado"));
    EXPECT_FALSE(log.Write(ltTech, u"Detalle"));
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(FSandbox.LogIni())));
    const auto lines = ReadLines(DefaultLog());
    ASSERT_EQ(lines.size(), 6u);
    for (const auto& line : lines) {
        EXPECT_EQ(Field(line, 2), "T_AUDI");
        EXPECT_EQ(Field(line, 1), Field(lines[0], 1)) << "one instance identifier";
    }
    const int id = std::stoi(Field(lines[0], 1));
    EXPECT_TRUE(id >= 0 && id <= 999999);
    EXPECT_EQ(Texts(DefaultLog()), (std::vector<std::string>{"T_AUDI Servicio iniciado"}));
}

TEST_F(LogFileTest, LevelsFromLogIniDecideWhatIsWritten) {
    WriteIni("Archivo_Texto_Nivel=0\r\n");
    TLogFile log;
    EXPECT_FALSE(log.Write(ltError, u"error"));
    EXPECT_TRUE(log.WriteForced(u"siempre"));
    EXPECT_EQ(Texts(DefaultLog()), (std::vector<std::string>{"FORZADO siempre"}));
}

TEST_F(LogFileTest, GlobalDecidesOverTheProcessSection) {
    const std::string process =
        std::filesystem::path(ChangeFileExt(ProgramLogName(), u"")).string();
    WriteIni("Archivo_Texto_Nivel=7\r\n[" + process +
             "]\r\nArchivo_Texto_Nivel=32\r\n"
             "Archivo_Texto_Identacion=\">\"\r\n");
    TLogFile log;
    EXPECT_FALSE(log.Write(ltTech, u"tecnico"));
    EXPECT_TRUE(log.Write(ltStart, u"a"));
    EXPECT_TRUE(log.Write(ltStart, u"b"));
    EXPECT_EQ(Texts(DefaultLog()), (std::vector<std::string>{"INICIO a", "INICIO >b"}));
}

TEST_F(LogFileTest, TheProcessIdSectionAppliesToKeysMissingBefore) {
    const std::string process =
        std::filesystem::path(ChangeFileExt(ProgramLogName(), u"")).string();
    WriteIni("Debug_Activo=1\r\n[" + process + "_1626]\r\nArchivo_Texto_Nivel=32\r\n");
    TLogFile log;
    log.SetIDProceso(u"1626");
    EXPECT_TRUE(log.Write(ltTech, u"tecnico"));
    EXPECT_FALSE(log.Write(ltAudit, u"auditoria"));
}

TEST_F(LogFileTest, ConvenienceWritesComposeTheirText) {
    TLogFile log;
    EXPECT_TRUE(log.WriteResult(ltAudit, u"Alta", true));
    EXPECT_TRUE(log.WriteResult(ltAudit, u"Baja", false));
    EXPECT_TRUE(log.Write(ltFail, u"Leer", EConvertError("x")));
    EXPECT_TRUE(log.Write(ltError, u"Vacío", std::runtime_error("")));
    EXPECT_TRUE(log.WriteFmt(ltAudit, u"%-6s|%.3d", {u"Caja", 7}));
    EXPECT_FALSE(log.WriteFmt(ltAudit, u"%d", {u"no es número"}));
    EXPECT_EQ(Texts(DefaultLog()), (std::vector<std::string>{
                                       "T_AUDI Alta     --> Result = True",
                                       "T_AUDI Baja     --> Result = False",
                                       "#EXCEP Leer(Excepci\xF3n: EConvertError - x)",
                                       "#FALLA Vac\xEDo(Excepci\xF3n: runtime_error - )",
                                       "T_AUDI Caja  |007",
                                   }));
}

TEST_F(LogFileTest, AFolderWithoutTrailingDelimiterIsTheFolderItself) {
    const TTempFolder other;
    WriteIni("Archivo_Texto_Directorio=" + other.Path().string() +
             "\r\n"
             "Archivo_Texto_Nombre=Comun.log\r\n");
    TLogFile log;
    EXPECT_TRUE(log.Write(u"aqui"));
    EXPECT_EQ(log.Path(), other.Text());
    EXPECT_EQ(Texts(other.Text() + u"Comun.log"), (std::vector<std::string>{"T_AUDI aqui"}));
}

TEST_F(LogFileTest, ValuesSetByTheCallerWinOverLogIni) {
    const TTempFolder other;
    WriteIni("Archivo_Texto_Directorio=" + FSandbox.Root().Path().string() +
             "\r\n"
             "Archivo_Texto_Nombre=DeIni.log\r\n");
    TLogFile log;
    log.SetFileName(FSandbox.Root().Text() + u"ignorado" + kPathDelim + u"Propio.log");
    log.SetPath(other.Path().u16string());
    EXPECT_EQ(log.FileName(), u"Propio.log");
    EXPECT_EQ(log.Path(), other.Text());
    log.SetPath(u"  ");
    EXPECT_EQ(log.Path(), FSandbox.Logs());
}

TEST_F(LogFileTest, WriteInOtherFileWritesThereOnceThenBackToTheUsualFile) {
    const TTempFolder other;
    TLogFile log;
    EXPECT_TRUE(log.WriteInOtherFile(other.Text() + u"otro.log", u"alla"));
    EXPECT_TRUE(log.Write(u"aca"));
    EXPECT_TRUE(log.WriteInOtherFile(u"solo_nombre.log", u"en la carpeta por defecto"));
    EXPECT_EQ(Texts(other.Text() + u"otro.log"), (std::vector<std::string>{"T_AUDI alla"}));
    EXPECT_EQ(Texts(DefaultLog()), (std::vector<std::string>{"T_AUDI aca"}));
    EXPECT_EQ(Texts(FSandbox.Logs() + u"solo_nombre.log"),
              (std::vector<std::string>{"T_AUDI en la carpeta por defecto"}));
    EXPECT_EQ(log.Path(), FSandbox.Logs());
    EXPECT_EQ(log.FileName(), ProgramLogName());
}

TEST_F(LogFileTest, GetDefaultConfigurationHasABlankName) {
    const TLogFile log;
    EXPECT_EQ(log.GetDefaultConfiguration(),
              u"Archivo_Texto_Nivel=7\r\nArchivo_Texto_Mostrar_Usuario=0\r\n"
              u"Archivo_Texto_Tamaño_Maximo=1024\r\nGuarda_Historial=0\r\n"
              u"Archivo_Texto_Directorio=" +
                  FSandbox.Logs() +
                  u"\r\nArchivo_Texto_Nombre= \r\nArchivo_Texto_Identacion=\" \"\r\n");
}

TEST_F(LogFileTest, LogIniIsReadOnceAndALoadErrorReachesTheFirstWriteOnly) {
    WriteIni("Archivo_Texto_Nivel=39\r\n");
    TLogFile configured;
    EXPECT_TRUE(configured.Write(ltTech, u"uno"));
    WriteIni("Archivo_Texto_Nivel=0\r\n");
    EXPECT_TRUE(configured.Write(ltTech, u"dos")) << "the configuration stays as first read";

    const auto held = FileSystem().OpenExclusive(FSandbox.LogIni());
    ASSERT_NE(held, nullptr);
    TLogFile failing;
    EXPECT_THROW(failing.Write(u"x"), EFileError);
    EXPECT_TRUE(failing.Write(u"con los valores de construccion"));
    EXPECT_FALSE(failing.Write(ltTech, u"nivel 7"));
}

TEST_F(LogFileTest, ProgramWideFileNameInGlobalPrefixesNothingThroughSetProps) {
    WriteIni("Archivo_Texto_Nombre=Todos.log\r\nArchivo_Texto_Mostrar_Usuario=1\r\n");
    TLogFile log;
    log.SetCurrentUserName(u"DOM\\ana");
    EXPECT_TRUE(log.Write(u"linea"));
    const auto lines = ReadLines(FSandbox.Logs() + u"Todos.log");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(Field(lines[5], 1), "DOM\\ana");
    EXPECT_EQ(log.CurrentUserName(), u"DOM\\ana");
}

} // namespace
} // namespace typ
