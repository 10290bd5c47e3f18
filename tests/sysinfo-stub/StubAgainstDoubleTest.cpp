#include "LogTestSupport.h"
#include "StubTestSupport.h"
#include "SysInfoDouble.h"
#include "charconv/UnicodeBytes.h"
#include "environment/VnWinUser.h"
#include "sysinfo/TcpTransportChannel.h"
#include "sysinfo/VnSysInfoStub.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

using namespace std::chrono_literals;

const std::u16string kNumber(kDoubleHLNumber);

bool Holds(const std::u16string& text, std::u16string_view part) {
    return text.find(part) != std::u16string::npos;
}

bool IsFailure(const std::u16string& text) {
    return text.starts_with(u"SysInfoException=");
}

// The stub's channels go to the double's free port; the service state says
// running.
class StubAgainstDouble : public ::testing::Test {
protected:
    StubAgainstDouble() {
        TVnSysInfoStub::ClearCaches();
        SetSysInfoChannelFactory([port = FDouble.Port()] {
            return std::make_unique<TTcpTransportChannel>(port, 3000ms);
        });
    }
    ~StubAgainstDouble() override {
        SetSysInfoChannelFactory({});
        TVnSysInfoStub::ClearCaches();
    }

    test::TAppDataSandbox FSandbox;
    test::TFakeServiceState FState{{kServiceRunning}};
    TSysInfoDouble FDouble;
};

TEST_F(StubAgainstDouble, ReadsTheRecordsOfTheService) {
    const std::u16string basic = TVnSysInfoStub::GetClient(kNumber, TClientDataOption::cdoBasic);
    EXPECT_TRUE(Holds(basic, u"SystemVersion=2024.1.5")) << EncodeUtf8(basic);
    EXPECT_TRUE(Holds(basic, u"CountryCustomization=ES"));
    EXPECT_EQ(FDouble.Store().LastUserName(), TVnWinUser::CurrentUserName_Short());
    EXPECT_TRUE(Holds(TVnSysInfoStub::GetClient(kNumber, TClientDataOption::cdoServicesLocation),
                      u"ServicesPort=9098<N>"));
    EXPECT_TRUE(Holds(TVnSysInfoStub::GetServer(kNumber, TServerDataOption::sdoBasic),
                      u"ServerVersion=2024.1.5<S>"));
    EXPECT_TRUE(Holds(TVnSysInfoStub::GetClients(TEnumTypeSystem::etsBoth), u"81234="));
    EXPECT_TRUE(Holds(TVnSysInfoStub::GetServers(TEnumTypeSystem::etsZorval), u"95678="));
    EXPECT_TRUE(Holds(TVnSysInfoStub::GetPlatformServer(), u"PlatformVersion=3.2<S>"));
    EXPECT_TRUE(Holds(TVnSysInfoStub::GetPlatformClient(), u"PlatformTrace=False<B>"));

    std::u16string output;
    const std::u16string outcome = TVnSysInfoStub::Execute(u"Proceso", u"Año=1", output);
    EXPECT_TRUE(Holds(outcome, u"ProcessLogicalName=Proceso")) << EncodeUtf8(outcome);
    EXPECT_EQ(output, u"ECO:Año=1");
}

TEST_F(StubAgainstDouble, ChangesReachTheServiceAndTheNextReadSeesThem) {
    TVnSysInfoStub::GetClient(kNumber, TClientDataOption::cdoBasic);
    TVnSysInfoStub::GetClient(kNumber, TClientDataOption::cdoBasic);
    EXPECT_EQ(FDouble.Calls("GetClient"), 1);

    EXPECT_TRUE(TVnSysInfoStub::SetClient(kNumber, u"SystemVersion=2025.0"));
    EXPECT_TRUE(Holds(TVnSysInfoStub::GetClient(kNumber, TClientDataOption::cdoBasic),
                      u"SystemVersion=2025.0"));
    EXPECT_TRUE(TVnSysInfoStub::SetClientCurrentUser(kNumber, u"CUShowTips=True<B>"));
    EXPECT_TRUE(TVnSysInfoStub::SetServer(kNumber, u"Port=9200<N>"));
    EXPECT_TRUE(
        Holds(TVnSysInfoStub::GetServer(kNumber, TServerDataOption::sdoBasic), u"Port=9200<N>"));

    TVnSysInfoStub::GetPlatformClient();
    EXPECT_TRUE(TVnSysInfoStub::SetPlatformClient(u"PlatformTrace=True<B>"));
    EXPECT_TRUE(Holds(TVnSysInfoStub::GetPlatformClient(), u"PlatformTrace=True<B>"));
    EXPECT_TRUE(TVnSysInfoStub::SetPlatformServer(u"PlatformPort=9101<N>"));
    EXPECT_TRUE(Holds(TVnSysInfoStub::GetPlatformServer(), u"PlatformPort=9101<N>"));
}

TEST_F(StubAgainstDouble, BasicRecordsAreKeptForAMinute) {
    test::TRecordingClock clock;
    const std::u16string first = TVnSysInfoStub::GetClient(kNumber, TClientDataOption::cdoBasic);
    FDouble.Store().MergeClient(kNumber, 0, u"SystemVersion=2025.0");
    clock.Advance(59);
    EXPECT_EQ(TVnSysInfoStub::GetClient(kNumber, TClientDataOption::cdoBasic), first);
    EXPECT_EQ(FDouble.Calls("GetClient"), 1);

    clock.Advance(2);
    EXPECT_TRUE(Holds(TVnSysInfoStub::GetClient(kNumber, TClientDataOption::cdoBasic),
                      u"SystemVersion=2025.0"));
    EXPECT_EQ(FDouble.Calls("GetClient"), 2);
}

TEST_F(StubAgainstDouble, AdministrationPassesThrough) {
    EXPECT_FALSE(TVnSysInfoStub::ServicesInterruped());
    TVnSysInfoStub::InterruptServices();
    EXPECT_TRUE(FDouble.Store().Interrupted());
    EXPECT_TRUE(TVnSysInfoStub::ServicesInterruped());
    TVnSysInfoStub::ReleaseServices();
    EXPECT_FALSE(FDouble.Store().Interrupted());
    EXPECT_FALSE(TVnSysInfoStub::ServicesInterruped());
}

TEST_F(StubAgainstDouble, RefusalsOfTheServiceBecomeTheirText) {
    EXPECT_EQ(TVnSysInfoStub::GetClient(u"00000", TClientDataOption::cdoBasic),
              u"SysInfoException=An exception of type EVnSysInfoError was raised on the server: "
              u"No existe la instalación \"00000\"");
    TVnSysInfoStub::GetClient(u"00000", TClientDataOption::cdoBasic);
    EXPECT_EQ(FDouble.Calls("GetClient"), 2) << "failures are not cached";

    FDouble.SetMisbehaviour(TDoubleMisbehaviour::ExceptionForAll);
    EXPECT_FALSE(TVnSysInfoStub::SetClient(kNumber, u"A=1"));
    EXPECT_FALSE(TVnSysInfoStub::ServicesInterruped());
    EXPECT_TRUE(IsFailure(TVnSysInfoStub::GetPlatformServer()));
}

TEST_F(StubAgainstDouble, BrokenAnswersAndAMissingServiceBecomeTheirText) {
    for (const auto misbehaviour :
         {TDoubleMisbehaviour::Garbage, TDoubleMisbehaviour::CloseMidFrame}) {
        FDouble.SetMisbehaviour(misbehaviour);
        EXPECT_TRUE(IsFailure(TVnSysInfoStub::GetServers(TEnumTypeSystem::etsBoth)));
        EXPECT_FALSE(TVnSysInfoStub::SetServer(kNumber, u"A=1"));
    }
    FDouble.SetMisbehaviour(TDoubleMisbehaviour::Unenciphered);
    EXPECT_FALSE(IsFailure(TVnSysInfoStub::GetServers(TEnumTypeSystem::etsBoth)));

    FDouble.Stop();
    const std::u16string refused = TVnSysInfoStub::GetClient(kNumber, TClientDataOption::cdoBasic);
    EXPECT_TRUE(IsFailure(refused));
    EXPECT_FALSE(Holds(refused, u"\r\n"));
    EXPECT_NO_THROW(TVnSysInfoStub::ReleaseServices());
}

} // namespace
} // namespace typ
