#include "sysinfo/SysInfoServiceCheck.h"

#include "LogTestSupport.h"
#include "StubTestSupport.h"
#include "SysInfoTestSupport.h"
#include "platform/FileSystem.h"
#include "sysinfo/ServicesIni.h"
#include "sysinfo/VnSysInfoStub.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

using test::kNotReadableResult;
using test::NotRunningResult;
using test::ReadBytes;
using test::WriteBytes;

// Every check runs inside a real operation: GetServers, answered in process.
class SysInfoServiceCheck : public ::testing::Test {
protected:
    SysInfoServiceCheck() {
        FService.Handlers["GetServers"] = [](TValueReader&, TValueWriter& response) {
            response.WriteAnsiString(u"81234=2024.1.5");
        };
    }

    std::u16string Call() { return TVnSysInfoStub::GetServers(TEnumTypeSystem::etsBoth); }
    std::u16string Ini() const { return ServicesIniPath(); }

    test::TAppDataSandbox FSandbox;
    test::TRecordingClock FClock;
    test::TInProcessService FService;
};

TEST_F(SysInfoServiceCheck, RunningServiceIsAskedOnceWithoutWaiting) {
    const test::TFakeServiceState state({kServiceRunning});
    EXPECT_EQ(Call(), u"81234=2024.1.5");
    EXPECT_EQ(state.Asked, std::vector<std::u16string>{u"|VnSysInfoService"});
    EXPECT_TRUE(FClock.Waits.empty());
}

TEST_F(SysInfoServiceCheck, ServiceStoppedForGoodCostsFourQueriesAndFourWaits) {
    WriteBytes(Ini(), "[SysInfoService]\r\nReattemptsSleep=3\r\n");
    const test::TFakeServiceState state({kServiceStopped});
    EXPECT_EQ(Call(), NotRunningResult(u"detenido"));
    EXPECT_EQ(state.Asked.size(), 4u);
    EXPECT_EQ(FClock.Waits, (std::vector<int>{3000, 3000, 3000, 3000}));
    EXPECT_EQ(FService.CallsOf("GetServers"), 0);
}

TEST_F(SysInfoServiceCheck, ServiceThatStartsAfterOneWaitIsCalled) {
    const test::TFakeServiceState state({kServiceStopped, kServiceRunning});
    EXPECT_EQ(Call(), u"81234=2024.1.5");
    EXPECT_EQ(state.Asked.size(), 2u);
    EXPECT_EQ(FClock.Waits, std::vector<int>{2000});
    EXPECT_FALSE(FileSystem().FileExists(Ini())) << "an absent file is not created";
}

TEST_F(SysInfoServiceCheck, OtherStatesFailAtOnceWithTheirNames) {
    const std::pair<std::uint8_t, std::u16string> cases[] = {
        {kServiceStartPending, u"pendiente de inicio"},
        {kServiceStopPending, u"pendiente de detenerse"},
        {kServiceContinuePending, u"pendiente de continuar"},
        {kServicePausePending, u"pendiente de pausado"},
        {kServicePaused, u"pausado"},
        {kServiceStateUnknown, u"desconocido"}};
    for (const auto& [value, name] : cases) {
        const test::TFakeServiceState state({value});
        EXPECT_EQ(Call(), NotRunningResult(name));
        EXPECT_EQ(state.Asked.size(), 1u);
    }
    EXPECT_TRUE(FClock.Waits.empty());
    EXPECT_EQ(FService.Channels, 6) << "the channel is made before the check";
    EXPECT_EQ(FService.CallsOf("GetServers"), 0);
}

TEST_F(SysInfoServiceCheck, UnreadableStateGivesTheFirstTextWithoutWaiting) {
    const test::TFakeServiceState state({std::nullopt});
    EXPECT_EQ(Call(), kNotReadableResult);
    EXPECT_TRUE(FClock.Waits.empty());
}

TEST_F(SysInfoServiceCheck, CheckRaisesTheTextsWithTheirLineBreaks) {
    const test::TFakeServiceState state({std::nullopt});
    EXPECT_EQ(typ::testing::ErrorOf<ESysInfoServiceState>(CheckSysInfoService),
              "No fue posible evaluar el estado del Servicio de Información del Sistema. \r\n"
              "Es necesario instalar y activar el servicio para que esta aplicación funcione "
              "\r\nadecuadamente.");
}

TEST_F(SysInfoServiceCheck, MissingKeyIsWrittenWithTwoAndTheRestOfTheFileKept) {
    WriteBytes(Ini(), "[Otro]\r\nA=1\r\n[sysinfoservice]\r\nPort=9097\r\n\r\n[Fin]\r\nB=2\r\n");
    const test::TFakeServiceState state({kServiceStopped, kServiceRunning});
    Call();
    EXPECT_EQ(FClock.Waits, std::vector<int>{2000});
    EXPECT_EQ(ReadBytes(Ini()), "[Otro]\r\nA=1\r\n[sysinfoservice]\r\nPort=9097\r\n"
                                "ReattemptsSleep=2\r\n\r\n[Fin]\r\nB=2\r\n");
}

TEST_F(SysInfoServiceCheck, MissingSectionOrUnreadableValueIsWrittenWithTwo) {
    WriteBytes(Ini(), "[Otro]\r\nA=1\r\n");
    EXPECT_EQ(ReadReattemptsSleep(), 2000);
    EXPECT_EQ(ReadBytes(Ini()), "[Otro]\r\nA=1\r\n[SysInfoService]\r\nReattemptsSleep=2\r\n");

    WriteBytes(Ini(), "[SysInfoService]\r\nreattemptssleep = tres\r\n");
    EXPECT_EQ(ReadReattemptsSleep(), 2000);
    EXPECT_EQ(ReadBytes(Ini()), "[SysInfoService]\r\nReattemptsSleep=2\r\n");
}

TEST_F(SysInfoServiceCheck, ZeroMeansNoWaitAndTheFileIsReadAgain) {
    WriteBytes(Ini(), "[SysInfoService]\r\nReattemptsSleep=0\r\n");
    test::TFakeServiceState state({kServiceStopped});
    state.OnQuery = [this](int query) {
        if (query == 2) {
            WriteBytes(Ini(), "[SysInfoService]\r\nReattemptsSleep=1\r\n");
        }
    };
    EXPECT_EQ(Call(), NotRunningResult(u"detenido"));
    EXPECT_EQ(state.Asked.size(), 4u);
    EXPECT_EQ(FClock.Waits, (std::vector<int>{1000, 1000, 1000}));
}

TEST_F(SysInfoServiceCheck, NegativeWaitIsNoWaitAndHugeOnesAreBounded) {
    WriteBytes(Ini(), "[SysInfoService]\r\nReattemptsSleep=-5\r\n");
    EXPECT_EQ(ReadReattemptsSleep(), 0);
    WriteBytes(Ini(), "[SysInfoService]\r\nReattemptsSleep=2147483647\r\n");
    EXPECT_EQ(ReadReattemptsSleep(), 2147483000);
}

TEST_F(SysInfoServiceCheck, WaitsLongerThanAMinuteAreCappedAndTheCapIsLogged) {
    WriteBytes(FSandbox.LogIni(), "[LogFileHelp]\r\n[GLOBAL]\r\nArchivo_Texto_Nivel=39\r\n");
    WriteBytes(Ini(), "[SysInfoService]\r\nReattemptsSleep=2000\r\n");
    const test::TFakeServiceState state({kServiceStopped});
    EXPECT_EQ(Call(), NotRunningResult(u"detenido"));
    EXPECT_EQ(FClock.Waits, (std::vector<int>{60000, 60000, 60000, 60000}));
    const std::vector<std::string> logged = test::TechMessages(FSandbox.ProgramLog());
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_NE(logged[0].find("ReattemptsSleep"), std::string::npos) << logged[0];
    EXPECT_NE(logged[0].find("(2000 s)"), std::string::npos) << logged[0];
    EXPECT_NE(logged[0].find("se esperan 60 s"), std::string::npos) << logged[0];
}

} // namespace
} // namespace typ
