#include "LogTestSupport.h"
#include "StubTestSupport.h"
#include "environment/VnWinUser.h"
#include "sysinfo/VnSysInfoStub.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

// The stub against a running service that answers in process, at a clock
// that moves only when told.
class SysInfoStub : public ::testing::Test {
protected:
    SysInfoStub() {
        TVnSysInfoStub::ClearCaches();
        FService.Handlers["GetClient"] = [this](TValueReader& request, TValueWriter& response) {
            const std::u16string number = request.ReadAnsiString();
            FUserName = request.ReadAnsiString();
            const std::int32_t option = request.ReadInteger();
            response.WriteAnsiString(u"HLNumber=" + number + u"\r\nOpcion=" +
                                     std::u16string(1, static_cast<char16_t>(u'0' + option)) +
                                     u"\r\nNombre=Peña €" + FSuffix);
        };
        FService.Handlers["SetClient"] = [this](TValueReader&, TValueWriter& response) {
            response.WriteBoolean(FSetAnswer);
        };
        FService.Handlers["GetPlatformServer"] = [](TValueReader&, TValueWriter& response) {
            response.WriteAnsiString(u"PlatformVersion=3.2<S>");
        };
        FService.Handlers["SetPlatformServer"] = [](TValueReader&, TValueWriter& response) {
            response.WriteBoolean(true);
        };
        FService.Handlers["GetPlatformClient"] = [](TValueReader&, TValueWriter& response) {
            response.WriteAnsiString(u"PlatformTrace=False<B>");
        };
    }
    ~SysInfoStub() override { TVnSysInfoStub::ClearCaches(); }

    static std::u16string Basic(const std::u16string& number) {
        return TVnSysInfoStub::GetClient(number, TClientDataOption::cdoBasic);
    }

    test::TAppDataSandbox FSandbox;
    test::TRecordingClock FClock;
    test::TFakeServiceState FState{{kServiceRunning}};
    test::TInProcessService FService;
    std::u16string FUserName;
    std::u16string FSuffix;
    bool FSetAnswer = true;
};

TEST_F(SysInfoStub, ExceptionResultRemovesOnlyCarriageReturnLineFeedPairs) {
    EXPECT_EQ(TVnSysInfoStub::ExceptionResult(u"uno \r\ndos\rtres\ncuatro\n\r."),
              u"SysInfoException=uno dos\rtres\ncuatro\n\r.");
    EXPECT_EQ(TVnSysInfoStub::ExceptionResult(u""), u"SysInfoException=");
}

TEST_F(SysInfoStub, GetClientSendsTheShortUserNameAndTheOptionOrdinal) {
    EXPECT_EQ(TVnSysInfoStub::GetClient(u"81234", TClientDataOption::cdoExportOptions),
              u"HLNumber=81234\r\nOpcion=4\r\nNombre=Peña €");
    EXPECT_EQ(FUserName, TVnWinUser::CurrentUserName_Short());
}

TEST_F(SysInfoStub, EveryCallHasItsOwnChannel) {
    TVnSysInfoStub::GetPlatformClient();
    TVnSysInfoStub::SetClient(u"1", u"A=1");
    TVnSysInfoStub::GetClient(u"1", TClientDataOption::cdoCUConfig);
    EXPECT_EQ(FService.Channels, 3);
}

TEST_F(SysInfoStub, BasicRecordIsCachedForSixtySecondsUnderAnyLetterCase) {
    const std::u16string first = Basic(u"ab12");
    FClock.Advance(30);
    EXPECT_EQ(Basic(u"AB12"), first) << "the cached record keeps its ANSI characters";
    EXPECT_EQ(FService.CallsOf("GetClient"), 1);
    EXPECT_EQ(FService.Channels, 1) << "a cached answer makes no connection";

    FClock.Advance(31);
    EXPECT_EQ(Basic(u"ab12"), first);
    EXPECT_EQ(FService.CallsOf("GetClient"), 2);

    FClock.Advance(-120);
    Basic(u"ab12");
    EXPECT_EQ(FService.CallsOf("GetClient"), 3) << "stored after now: the clock was set back";
}

TEST_F(SysInfoStub, OtherDataOptionsBypassTheCacheAndLeaveIt) {
    Basic(u"81234");
    EXPECT_EQ(TVnSysInfoStub::GetClient(u"81234", TClientDataOption::cdoServicesLocation),
              u"HLNumber=81234\r\nOpcion=1\r\nNombre=Peña €");
    EXPECT_EQ(Basic(u"81234"), u"HLNumber=81234\r\nOpcion=0\r\nNombre=Peña €");
    EXPECT_EQ(FService.CallsOf("GetClient"), 2);
}

TEST_F(SysInfoStub, FailuresAreReturnedButNeverCached) {
    FSuffix = u"\r\nSysInfoException=ocupado";
    EXPECT_NE(Basic(u"81234").find(u"SysInfoException=ocupado"), std::u16string::npos);
    FService.Handlers.erase("GetClient");
    EXPECT_EQ(Basic(u"81234"), u"SysInfoException=An exception of type EDoubleError was raised "
                               u"on the server: sin respuesta para GetClient");
    EXPECT_EQ(FService.CallsOf("GetClient"), 2);
    Basic(u"81234");
    EXPECT_EQ(FService.CallsOf("GetClient"), 3);
}

TEST_F(SysInfoStub, SuccessfulSetClientDropsTheCachedRecord) {
    Basic(u"81234");
    FSetAnswer = false;
    EXPECT_FALSE(TVnSysInfoStub::SetClient(u"81234", u"A=1"));
    Basic(u"81234");
    EXPECT_EQ(FService.CallsOf("GetClient"), 1) << "a refused change keeps the entry";

    FSetAnswer = true;
    EXPECT_TRUE(TVnSysInfoStub::SetClient(u"81234", u"A=1"));
    Basic(u"81234");
    EXPECT_EQ(FService.CallsOf("GetClient"), 2);
}

TEST_F(SysInfoStub, PlatformRecordsAreCachedApartAndDroppedBySuccessfulSets) {
    EXPECT_EQ(TVnSysInfoStub::GetPlatformServer(), u"PlatformVersion=3.2<S>");
    EXPECT_EQ(TVnSysInfoStub::GetPlatformClient(), u"PlatformTrace=False<B>");
    EXPECT_EQ(TVnSysInfoStub::GetPlatformServer(), u"PlatformVersion=3.2<S>");
    EXPECT_EQ(TVnSysInfoStub::GetPlatformClient(), u"PlatformTrace=False<B>");
    EXPECT_EQ(FService.CallsOf("GetPlatformServer"), 1);
    EXPECT_EQ(FService.CallsOf("GetPlatformClient"), 1);

    EXPECT_TRUE(TVnSysInfoStub::SetPlatformServer(u"PlatformPort=1"));
    TVnSysInfoStub::GetPlatformServer();
    TVnSysInfoStub::GetPlatformClient();
    EXPECT_EQ(FService.CallsOf("GetPlatformServer"), 2);
    EXPECT_EQ(FService.CallsOf("GetPlatformClient"), 1);

    EXPECT_FALSE(TVnSysInfoStub::SetPlatformClient(u"X=1")) << "answered with an exception";
    TVnSysInfoStub::GetPlatformClient();
    EXPECT_EQ(FService.CallsOf("GetPlatformClient"), 1);
}

TEST_F(SysInfoStub, EveryOperationTurnsAFailedConnectionIntoItsResult) {
    FService.Failure = "Connection refused";
    const std::u16string error = u"SysInfoException=Connection refused";
    EXPECT_EQ(Basic(u"81234"), error);
    EXPECT_EQ(TVnSysInfoStub::GetServer(u"81234", TServerDataOption::sdoBasic), error);
    EXPECT_EQ(TVnSysInfoStub::GetClients(TEnumTypeSystem::etsOrvik), error);
    EXPECT_EQ(TVnSysInfoStub::GetServers(TEnumTypeSystem::etsZorval), error);
    EXPECT_EQ(TVnSysInfoStub::GetPlatformServer(), error);
    EXPECT_EQ(TVnSysInfoStub::GetPlatformClient(), error);
    std::u16string output = u"previo";
    EXPECT_EQ(TVnSysInfoStub::Execute(u"Proceso", u"A=1", output), error);
    EXPECT_EQ(output, u"");
    EXPECT_FALSE(TVnSysInfoStub::SetClient(u"81234", u"A=1"));
    EXPECT_FALSE(TVnSysInfoStub::SetClientCurrentUser(u"81234", u"A=1"));
    EXPECT_FALSE(TVnSysInfoStub::SetServer(u"81234", u"A=1"));
    EXPECT_FALSE(TVnSysInfoStub::SetPlatformServer(u"A=1"));
    EXPECT_FALSE(TVnSysInfoStub::SetPlatformClient(u"A=1"));
    EXPECT_FALSE(TVnSysInfoStub::ServicesInterruped());
    EXPECT_NO_THROW(TVnSysInfoStub::InterruptServices());
    EXPECT_NO_THROW(TVnSysInfoStub::ReleaseServices());
    EXPECT_EQ(FService.Channels, 15);

    FService.Failure.reset();
    EXPECT_EQ(Basic(u"81234"), u"HLNumber=81234\r\nOpcion=0\r\nNombre=Peña €")
        << "the failure was not cached";
}

} // namespace
} // namespace typ
