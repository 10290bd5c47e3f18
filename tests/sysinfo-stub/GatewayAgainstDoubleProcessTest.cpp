// The gateway against the service double run as a process of its own, as the
// help path meets the real service: what reaches it is read from its journal.
#include "DoubleProcess.h"
#include "LogTestSupport.h"
#include "StubTestSupport.h"
#include "sysinfo/TcpTransportChannel.h"
#include "sysinfo/VnSysInfoGateWay.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

using namespace std::chrono_literals;

class GatewayAgainstDoubleProcess : public ::testing::Test {
protected:
    GatewayAgainstDoubleProcess() {
        TVnSysInfoStub::ClearCaches();
        SetSysInfoChannelFactory([port = FDouble.Port()] {
            return std::make_unique<TTcpTransportChannel>(port, 5000ms);
        });
    }
    ~GatewayAgainstDoubleProcess() override {
        TVnSysInfoGateWay::FreeSharedInstances();
        SetSysInfoChannelFactory({});
        TVnSysInfoStub::ClearCaches();
    }

    test::TAppDataSandbox FSandbox;
    test::TFakeServiceState FState{{kServiceRunning}};
    test::TDoubleProcess FDouble;
};

TEST_F(GatewayAgainstDoubleProcess, TheHelpPathsRecordAndEachGroupOnce) {
    ASSERT_TRUE(FDouble.Listening());
    TSysClientW& first = TVnSysInfoGateWay::GetClient(u"81234");
    EXPECT_EQ(first.SystemVersion(), u"2024.1.5");
    EXPECT_EQ(first.CountryCode(), u"ES");
    TVnSysInfoStub::ClearCaches();
    TSysClientW& client = TVnSysInfoGateWay::GetClient(u"81234");
    EXPECT_EQ(client.SystemVersion(), u"2024.1.5");
    for (int read = 0; read < 3; ++read) {
        EXPECT_EQ(client.SysServiceLocation().Depuration(), u"127.0.0.1:9303");
        EXPECT_EQ(client.CUConfig().Company(), u"Empresa Demo");
        EXPECT_EQ(client.SysExpOptions().SysExpOption(1).Name(), u"Excel");
        EXPECT_FALSE(client.DictionaryCnxnStr().empty());
    }
    EXPECT_EQ(FDouble.Calls("GetClient"), 2 + 4);
}

TEST_F(GatewayAgainstDoubleProcess, SetClientSendsExactlyTheChangedLines) {
    ASSERT_TRUE(FDouble.Listening());
    TSysClientW& client = TVnSysInfoGateWay::GetClient(u"81234");
    client.SetSystemVersion(u"2025.1");
    client.SysExpOptions().SysExpOption(0).SetCOM_Classname(u"Vn.ExportPdf2");
    EXPECT_TRUE(TVnSysInfoGateWay::SetClient(client));
    EXPECT_EQ(FDouble.Sets(),
              (std::vector<std::string>{
                  "SetClient\t81234\tSystemVersion=2025.1<S>\\r\\n", "SetClient\t81234\t",
                  "SetClient\t81234\tExpOption0=COM_Classname=Vn.ExportPdf2,Name=PDF,"
                  "\"Description=Documento PDF\"\\r\\n"}));
    TVnSysInfoStub::ClearCaches();
    EXPECT_EQ(TVnSysInfoGateWay::GetClient(u"81234").SystemVersion(), u"2025.1");
    EXPECT_EQ(
        TVnSysInfoGateWay::GetClient(u"81234").SysExpOptions().SysExpOption(0).COM_Classname(),
        u"Vn.ExportPdf2");
}

} // namespace
} // namespace typ
