#include "LogTestSupport.h"
#include "StubTestSupport.h"
#include "SysInfoDouble.h"
#include "charconv/UnicodeBytes.h"
#include "environment/FilePath.h"
#include "sysinfo/TcpTransportChannel.h"
#include "sysinfo/VnSysInfoGateWay.h"

#include <gtest/gtest.h>
#include <span>

namespace typ {
namespace {

using namespace std::chrono_literals;

const std::u16string kNumber(kDoubleHLNumber);

std::string MessageOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const ESysInfoGateWay& error) {
        return error.what();
    }
    return "(no error)";
}

// Every property of a table reads a value that the double set: not the
// default of its kind, so a key that is not found shows.
template <typename TRecord, typename TRead>
void ExpectAllSet(TRecord& record, std::span<const TSysProperty* const> table, TRead read) {
    for (const TSysProperty* property : table) {
        const std::u16string value = read(record, *property);
        EXPECT_FALSE(value.empty() || value == u"0" || value == u"False")
            << EncodeUtf8(property->Name) << " read " << EncodeUtf8(value) << " from "
            << EncodeUtf8(property->ReadKey);
    }
}

const auto kGeneric = [](const TSysInfo& record, const TSysProperty& property) {
    return PropertyText(record, property);
};

// The gateway over the stub's channels to the double's free port; the
// service state says running.
class GatewayAgainstDouble : public ::testing::Test {
protected:
    GatewayAgainstDouble() {
        TVnSysInfoStub::ClearCaches();
        SetSysInfoChannelFactory([port = FDouble.Port()] {
            return std::make_unique<TTcpTransportChannel>(port, 3000ms);
        });
    }
    ~GatewayAgainstDouble() override {
        TVnSysInfoGateWay::FreeSharedInstances();
        SetSysInfoChannelFactory({});
        TVnSysInfoStub::ClearCaches();
    }

    std::vector<dbl::TReceivedSet> Sets() { return FDouble.Store().ReceivedSets(); }

    test::TAppDataSandbox FSandbox;
    test::TFakeServiceState FState{{kServiceRunning}};
    TSysInfoDouble FDouble;
};

TEST_F(GatewayAgainstDouble, EveryPropertyReadsTheValueTheServiceKeeps) {
    TSysClientW& client = TVnSysInfoGateWay::GetClient(kNumber);
    EXPECT_EQ(client.SystemVersion(), u"2024.1.5");
    EXPECT_EQ(client.CountryCode(), u"ES");
    EXPECT_EQ(client.CommonDir(), u"C:\\Velnor\\Comunes");
    ExpectAllSet(client, SysClientKeys::All,
                 [](TSysClient& record, const TSysProperty& p) { return record.PropertyText(p); });
    ExpectAllSet(client.ConnectionInfo(), ConnectionInfoKeys::All, kGeneric);
    ExpectAllSet(client.CUConfig(), CUConfigKeys::All, kGeneric);
    ExpectAllSet(client.SysServiceLocation(), SysServiceLocationKeys::All, kGeneric);
    EXPECT_EQ(client.SysServiceLocation().Centralization(), u"127.0.0.1:9301<S>");
    TSysExpOptions& options = client.SysExpOptions();
    ASSERT_EQ(options.Count(), 2u);
    EXPECT_EQ(options.SysExpOption(0).COM_Classname(), u"Vn.ExportPdf");
    EXPECT_EQ(options.SysExpOption(1).COM_Classname(), u"Vn.ExportXls");

    TSysServerW& server = TVnSysInfoGateWay::GetServer(kNumber);
    ExpectAllSet(server, SysServerKeys::All,
                 [](TSysServer& record, const TSysProperty& p) { return record.PropertyText(p); });
    EXPECT_TRUE(server.IsOrvik());
    EXPECT_EQ(server.ConnectionStream(), u"ABC");
    ExpectAllSet(TVnSysInfoGateWay::GetPlatformServer(), SysPlatformServerKeys::All, kGeneric);
    ExpectAllSet(TVnSysInfoGateWay::GetPlatformClient(), SysPlatformClientKeys::All, kGeneric);
}

TEST_F(GatewayAgainstDouble, EachGroupReachesTheServiceOnceAndTheNextGetFreesTheRecord) {
    for (int round = 0; round < 2; ++round) {
        TSysClientW& client = TVnSysInfoGateWay::GetClient(kNumber);
        for (int read = 0; read < 2; ++read) {
            EXPECT_FALSE(client.SysServiceLocation().Monitoring().empty());
            EXPECT_EQ(client.CUConfig().User(), u"ana");
            EXPECT_EQ(client.SysExpOptions().Count(), 2u);
            EXPECT_EQ(client.DictionaryCnxnStr(), u"Provider=Local;Data Source=C:\\Velnor\\Dic");
        }
    }
    // Basic records come from the stub's cache the second time.
    EXPECT_EQ(FDouble.Calls("GetClient"), 1 + 2 * 4);

    std::unique_ptr<TSysClientW> own = TVnSysInfoGateWay::GetClientNewInstance(kNumber);
    TVnSysInfoGateWay::GetClient(kNumber);
    TVnSysInfoGateWay::GetClient(u"95678");
    EXPECT_EQ(own->SystemVersion(), u"2024.1.5") << "a caller's record outlives the shared ones";
    EXPECT_EQ(TVnSysInfoGateWay::GetClient(u"95678").SystemVersion(), u"11.2");
}

TEST_F(GatewayAgainstDouble, SetClientSendsExactlyTheChangedLinesInThreeCalls) {
    TSysClientW& client = TVnSysInfoGateWay::GetClient(kNumber);
    client.SetCountryCode(u"AR");
    client.SetEvents(4);
    client.ConnectionInfo().SetDataPort(9300);
    client.SysExpOptions().Add(u"Vn.ExportCsv");
    EXPECT_TRUE(TVnSysInfoGateWay::SetClient(client));
    EXPECT_TRUE(TVnSysInfoGateWay::SetClient(client));
    const std::vector<dbl::TReceivedSet> sets = Sets();
    ASSERT_EQ(sets.size(), 6u);
    const std::u16string expected[] = {u"CountryCode=AR<S>\r\nAuditEvents=4<N>\r\n",
                                       u"DataPort=9300<N>\r\n",
                                       u"ExpOption2=COM_Classname=Vn.ExportCsv\r\n",
                                       u"",
                                       u"",
                                       u""};
    for (std::size_t i = 0; i < sets.size(); ++i) {
        EXPECT_EQ(sets[i].Method, "SetClient");
        EXPECT_EQ(sets[i].HLNumber, kNumber);
        EXPECT_EQ(sets[i].SysInfo, expected[i]) << i;
    }
    // Written under "CountryCode", still read from "CountryCustomization".
    EXPECT_EQ(TVnSysInfoGateWay::GetClient(kNumber).CountryCode(), u"ES");
    EXPECT_EQ(TVnSysInfoGateWay::GetClient(kNumber).GetRawValue(u"CountryCode"), u"AR<S>");

    const std::string log = test::ReadBytes(FSandbox.ProgramLog());
    const std::string audit = "TVnSysInfoGateWay.SetClient Invocador" +
                              EncodeUtf8(ExtractFileName(Environment().ProgramPath()));
    EXPECT_NE(log.find(audit), std::string::npos) << log;
}

TEST_F(GatewayAgainstDouble, OtherChangesGoOutWithTheirRecords) {
    TSysClientW& client = TVnSysInfoGateWay::GetClient(kNumber);
    client.CUConfig().SetShowMenuImage(false);
    EXPECT_TRUE(TVnSysInfoGateWay::SetClientCurrentUser(client));
    EXPECT_EQ(client.CUConfig().ModifiedValues(), u"");
    TSysServerW& server = TVnSysInfoGateWay::GetServer(kNumber);
    server.SetCompUserInteract(false);
    server.SetTelvaBackupEnable(true);
    EXPECT_TRUE(TVnSysInfoGateWay::SetServer(server));
    TSysPlatformServer& platform = TVnSysInfoGateWay::GetPlatformServer();
    platform.SetSocketPort(212);
    EXPECT_TRUE(TVnSysInfoGateWay::SetPlatformServer(platform));
    TSysPlatformClient& platformClient = TVnSysInfoGateWay::GetPlatformClient();
    platformClient.SetCommonFilesVelnorShared(u"X:\\");
    EXPECT_TRUE(TVnSysInfoGateWay::SetPlatformClient(platformClient));

    const std::vector<dbl::TReceivedSet> sets = Sets();
    ASSERT_EQ(sets.size(), 4u);
    EXPECT_EQ(sets[0].Method, "SetClientCurrentUser");
    EXPECT_EQ(sets[0].SysInfo, u"ShowMenuImage=False<B>\r\n");
    EXPECT_EQ(sets[1].Method, "SetServer");
    EXPECT_EQ(sets[1].HLNumber, kNumber);
    EXPECT_EQ(sets[1].SysInfo, u"COMP_USUARIOINTERACTIVO=N<S>\r\ntelvaBackupEnable=1<N>\r\n");
    EXPECT_EQ(sets[2].SysInfo, u"SocketPort=212<N>\r\n");
    EXPECT_EQ(sets[3].SysInfo, u"CommonFilesVelnotShared=X:\\<S>\r\n");
    EXPECT_EQ(TVnSysInfoGateWay::GetPlatformServerNewInstance()->SocketPort(), 212);

    std::u16string output = u"previo";
    TVnSysInfoGateWay::Execute(u"Copia", u"a=1", output);
    EXPECT_EQ(output, u"ECO:a=1");
    EXPECT_EQ(TVnSysInfoGateWay::GetClients(TTypeSystem::tsZorval).Clients(),
              std::vector<std::u16string>{u"95678=11.2"});
    EXPECT_EQ(TVnSysInfoGateWay::GetServersNewInstance(TTypeSystem::tsBoth)->Servers().size(), 2u);
    TVnSysInfoGateWay::InterrupServices();
    EXPECT_TRUE(TVnSysInfoGateWay::ServicesInterruped());
    TVnSysInfoGateWay::ReleaseServices();
    EXPECT_FALSE(TVnSysInfoGateWay::ServicesInterruped());
}

TEST_F(GatewayAgainstDouble, RefusalsAndAStoppedServiceRaiseTheirText) {
    const std::string unknown = "An exception of type EVnSysInfoError was raised on the server: "
                                "No existe la instalación \"00000\"";
    EXPECT_EQ(MessageOf([] { TVnSysInfoGateWay::GetClient(u"00000"); }), unknown);
    EXPECT_EQ(MessageOf([] { TVnSysInfoGateWay::GetServerNewInstance(u"00000"); }), unknown);

    FDouble.SetMisbehaviour(TDoubleMisbehaviour::ExceptionForAll);
    std::u16string output;
    EXPECT_NE(MessageOf([&] { TVnSysInfoGateWay::Execute(u"Copia", u"", output); }), "(no error)");
    EXPECT_NE(MessageOf([] { TVnSysInfoGateWay::GetClients(TTypeSystem::tsBoth); }), "(no error)");
    EXPECT_NE(MessageOf([] { TVnSysInfoGateWay::GetPlatformClientNewInstance(); }), "(no error)");

    test::TRecordingClock clock;
    test::TFakeServiceState stopped{{kServiceStopped}};
    EXPECT_EQ(MessageOf([] { TVnSysInfoGateWay::GetClient(u"11111"); }),
              EncodeUtf8(test::NotRunningResult(u"detenido").substr(17)));
}

TEST(GatewayConversions, OnlyTheComPlusHostIsRefusedTheSharedInstances) {
    const auto path = [](std::initializer_list<std::u16string_view> parts) {
        std::u16string joined;
        for (const std::u16string_view part : parts)
            joined.append(joined.empty() ? u"" : std::u16string(1, kPathDelim)).append(part);
        return joined;
    };
    EXPECT_TRUE(TVnSysInfoGateWay::IsComPlusHost(path({u"System32", u"DllHost.EXE"})));
    EXPECT_TRUE(TVnSysInfoGateWay::IsComPlusHost(u"dllhost.exe"));
    EXPECT_FALSE(TVnSysInfoGateWay::IsComPlusHost(path({u"dllhost.exe", u"Vn_EditorTyp.exe"})));
    EXPECT_FALSE(TVnSysInfoGateWay::IsComPlusHost(path({u"x", u"mydllhost.exe"})));
    EXPECT_NO_THROW(TVnSysInfoGateWay::CheckNotComPlus());
}

TEST(GatewayConversions, DataOptionsAndTypeSystemsMapAsTheServiceNumbersThem) {
    for (int option = -1; option <= 5; ++option) {
        const int client = static_cast<int>(TVnSysInfoGateWay::ToClientDataOption(option));
        const int server = static_cast<int>(TVnSysInfoGateWay::ToServerDataOption(option));
        EXPECT_EQ(client, option >= 1 && option <= 4 ? option : 0) << option;
        EXPECT_EQ(server, option == 1 || option == 2 ? option : 0) << option;
    }
    EXPECT_EQ(TVnSysInfoGateWay::ToEnumTypeSystem(TTypeSystem::tsOrvik), TEnumTypeSystem::etsOrvik);
    EXPECT_EQ(TVnSysInfoGateWay::ToEnumTypeSystem(TTypeSystem::tsZorval),
              TEnumTypeSystem::etsZorval);
    EXPECT_EQ(TVnSysInfoGateWay::ToEnumTypeSystem(static_cast<TTypeSystem>(7)),
              TEnumTypeSystem::etsBoth);
}

} // namespace
} // namespace typ
