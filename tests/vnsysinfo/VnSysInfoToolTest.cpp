// vnsysinfo run as a program against the service double on a free port.
#include "LogTestSupport.h"
#include "SysInfoDouble.h"
#include "ToolRun.h"

#include <gtest/gtest.h>

namespace typ::test {
namespace {

class VnSysInfoTool : public ::testing::Test {
protected:
    TToolRun Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--port", std::to_string(FDouble.Port())});
        return RunTool(TYP_VNSYSINFO_EXE, arguments);
    }

    // The double's log and Services.Ini stay out of the machine's folders.
    TAppDataSandbox FSandbox;
    TSysInfoDouble FDouble;
};

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(VnSysInfoTool, EachReadingCommandPrintsWhatTheServiceKeeps) {
    const struct {
        std::vector<std::string> Arguments;
        std::string Printed;
    } cases[] = {
        {{"client", "81234"}, "\nCountryCustomization=ES\n"},
        {{"server", "81234"}, "HlNumber=81234\nServerVersion=2024.1.5<S>\n"},
        {{"clients", "zorval"}, "95678=11.2\n"},
        {{"servers"}, "81234=2024.1.5\n95678=11.2\n"},
        {{"platform", "client"}, "CommonFilesVelnotShared=C:\\Archivos comunes\\Velnor\\"},
        {{"platform", "server"}, "SocketPort=211<N>\n"},
        {{"get", "client", "81234", "countrycode"}, "ES\n"},
        {{"get", "client", "81234", "ShowMenuImage"}, "True\n"},
        {{"get", "client", "81234", "DataTimeOut"}, "30\n"},
        {{"get", "server", "81234", "ConnectionStream"}, "ABC\n"},
        {{"execute", "Copia", "año=1"}, "ECO:año=1\n"},
        {{"services"}, "VnSysInfoService=True\n"},
    };
    for (const auto& c : cases) {
        const TToolRun run = Run(c.Arguments);
        EXPECT_EQ(run.ExitCode, 0) << c.Arguments[0] << ": " << run.Err;
        EXPECT_TRUE(Holds(run.Out, c.Printed)) << c.Arguments[0] << ": " << run.Out;
        EXPECT_EQ(run.Err, "");
    }
    EXPECT_EQ(Run({"get", "client", "81234", "SystemVersion"}).Out, "2024.1.5\n");
}

TEST_F(VnSysInfoTool, SetSendsTheChangesThroughTheWritableRecord) {
    const TToolRun run = Run(
        {"set", "client", "81234", "CountryCode=AR", "Launch=false", "DataPort=9300", "User=pepe"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    const std::vector<dbl::TReceivedSet> sets = FDouble.Store().ReceivedSets();
    ASSERT_EQ(sets.size(), 4u);
    EXPECT_EQ(sets[0].SysInfo, u"CountryCode=AR<S>\r\nStartUpLaunch=False<B>\r\n");
    EXPECT_EQ(sets[1].SysInfo, u"DataPort=9300<N>\r\n");
    EXPECT_EQ(sets[2].SysInfo, u"");
    EXPECT_EQ(sets[3].Method, "SetClientCurrentUser");
    EXPECT_EQ(sets[3].SysInfo, u"UltimoAccesoUsuario=pepe<S>\r\n");
}

TEST_F(VnSysInfoTool, FailuresEndWithOneSpanishLineAndTheirCode) {
    const struct {
        std::vector<std::string> Arguments;
        int ExitCode;
        std::string Message;
    } cases[] = {
        {{"bogus"}, 1, "Orden desconocida: bogus"},
        {{"get", "client", "81234", "NoExiste"}, 1, "Propiedad desconocida: NoExiste"},
        {{"set", "client", "81234", "HLNumber=1"}, 1, "no se puede cambiar"},
        {{"set", "client", "81234", "AdminExist=quizas"}, 3, "'quizas' is not a valid boolean"},
        {{"client", "00000"}, 2, "No existe la instalación \"00000\""},
    };
    for (const auto& c : cases) {
        const TToolRun run = Run(c.Arguments);
        EXPECT_EQ(run.ExitCode, c.ExitCode) << c.Arguments[0];
        EXPECT_TRUE(Holds(run.Err, c.Message)) << run.Err;
        EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << "one line: " << run.Err;
    }
    EXPECT_TRUE(FDouble.Store().ReceivedSets().empty()) << "a refused command sends nothing";

    const std::uint16_t port = FDouble.Port();
    FDouble.Stop();
    const TToolRun unreachable =
        RunTool(TYP_VNSYSINFO_EXE, {"--port", std::to_string(port), "client", "81234"});
    EXPECT_EQ(unreachable.ExitCode, 2);
    EXPECT_TRUE(Holds(unreachable.Err, "vnsysinfo: error del servicio: ")) << unreachable.Err;
    EXPECT_EQ(unreachable.Out, "");
}

} // namespace
} // namespace typ::test
