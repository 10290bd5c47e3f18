#include "logging/ParametrizedLogFile.h"

#include "LogTestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace typ {
namespace {

using test::ReadLines;
using test::TAppDataSandbox;
using test::TTempFolder;

TEST(ParametrizedLogFile, TakesItsSettingsFromTheRecordAndNeverReadsLogIni) {
    const TAppDataSandbox sandbox;
    const TTempFolder folder;
    RParamLogFile param;
    param.Path = folder.Path().u16string();
    param.FileName = u"param.log";
    param.IDProceso = u"1626";
    param.CurrentUserName = u"DOM\\ana";
    param.TextWriter = u"Archivo_Texto_Nivel=39\r\nArchivo_Texto_Mostrar_Usuario=-1";
    param.ThreadID = u"4242";
    TParametrizedLogFile log(param);
    EXPECT_EQ(log.Path(), folder.Text());
    EXPECT_EQ(log.IDProceso(), u"1626");
    EXPECT_TRUE(log.Write(ltTech, u"detalle"));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(sandbox.LogIni())));
    const auto lines = ReadLines(folder.Text() + u"param.log");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[5].substr(23), " | DOM\\ana | 4242 | T_TECH | detalle");
}

TEST(ParametrizedLogFile, FolderAndNameOfTheConfigurationReplaceTheRecords) {
    const TAppDataSandbox sandbox;
    const TTempFolder record;
    const TTempFolder configured;
    RParamLogFile param;
    param.Path = record.Path().u16string();
    param.TextWriter =
        u"Archivo_Texto_Directorio=" + configured.Text() + u"\r\nArchivo_Texto_Nombre=conf.log";
    TParametrizedLogFile log(param);
    EXPECT_TRUE(log.Write(u"aqui"));
    EXPECT_EQ(ReadLines(configured.Text() + u"conf.log").size(), 6u);
    EXPECT_TRUE(std::filesystem::is_empty(record.Path()));

    TParametrizedLogFile defaults(RParamLogFile{});
    EXPECT_EQ(defaults.Path(), sandbox.Logs());
}

// The store of the managed log turns ";" into a line break; an indentation
// of ";" therefore reaches the log object as an empty one.
TEST(ParametrizedLogFile, IndentationComesFromTheConfigurationText) {
    const TAppDataSandbox sandbox;
    const TTempFolder folder;
    const auto indentOfNested = [&folder](const std::u16string& text, const std::u16string& name) {
        RParamLogFile param;
        param.Path = folder.Path().u16string();
        param.FileName = name;
        param.TextWriter = text;
        TParametrizedLogFile log(param);
        log.Write(ltStart, u"a");
        log.Write(ltStart, u"b");
        const std::string last = ReadLines(folder.Text() + name).back();
        return last.substr(last.rfind(" | ") + 3);
    };
    EXPECT_EQ(indentOfNested(u"Archivo_Texto_Identacion=\"--\"", u"a.log"), "--b");
    EXPECT_EQ(indentOfNested(u"Archivo_Texto_Identacion=\"\r\n\"", u"b.log"), "b");
    EXPECT_EQ(indentOfNested(u"", u"c.log"), "b");
}

} // namespace
} // namespace typ
