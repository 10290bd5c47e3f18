// The help dispatcher over the real gateway and stub, against the service
// double on loopback; the viewer records what it is asked to show.
#include "LogTestSupport.h"
#include "StubTestSupport.h"
#include "SysInfoDouble.h"
#include "environment/StrUtils.h"
#include "help/HtmlHelp.h"
#include "sysinfo/TcpTransportChannel.h"
#include "sysinfo/VnSysInfoGateWay.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace typ {
namespace {

using namespace std::chrono_literals;

class TRecordingViewer final : public THelpViewer {
public:
    bool Available = true;
    std::vector<std::u16string> Shown;

    bool HtmlHelpAvailable() const override { return Available; }
    void HtmlHelp(std::uintptr_t Handle, const std::u16string& HelpFile, std::uint32_t Command,
                  std::uint32_t Data) override {
        Shown.push_back(u"viewer " + IntToStr(static_cast<long long>(Handle)) + u" " + HelpFile +
                        u" " + IntToStr(Command) + u" " + IntToStr(Data));
    }
    void ApplicationHelpContext(std::uint32_t Data) override {
        Shown.push_back(u"application " + IntToStr(Data));
    }
    void OpenAddress(const std::u16string& Address) override { Shown.push_back(Address); }
};

class HelpDispatch : public ::testing::Test {
protected:
    HelpDispatch() {
        TVnSysInfoStub::ClearCaches();
        SetSysInfoChannelFactory([port = FDouble.Port()] {
            return std::make_unique<TTcpTransportChannel>(port, 3000ms);
        });
        SetHelpViewer(&FViewer);
        std::ofstream(FFolder.Path() / "DESCRIP.INI") << "[Licencia]\nNumeroLlave = 81234 \n";
    }
    ~HelpDispatch() override {
        SetHelpViewer(nullptr);
        TVnSysInfoGateWay::FreeSharedInstances();
        SetSysInfoChannelFactory({});
        TVnSysInfoStub::ClearCaches();
    }

    void SetVersion(const std::u16string& version) {
        FDouble.Store().PutClient(u"81234", 0,
                                  u"HLNumber=81234\r\nSystemVersion=" + version +
                                      u"\r\nCountryCustomization=CL\r\n");
        TVnSysInfoStub::ClearCaches();
    }
    std::u16string File(const std::u16string& name) const { return FFolder.Text() + name; }
    std::string ErrorOf(std::int32_t context, const std::u16string& file) {
        try {
            ShowContextHelp(context, file, 7);
        } catch (const std::exception& error) {
            return error.what();
        }
        return "(no error)";
    }

    test::TAppDataSandbox FSandbox;
    test::TFakeServiceState FState{{kServiceRunning}};
    TSysInfoDouble FDouble;
    test::TTempFolder FFolder;
    TRecordingViewer FViewer;
};

TEST_F(HelpDispatch, WebHelpFromVersionTwentyAsksTheServiceOnce) {
    const std::u16string base(kOnlineHelpBase);
    ShowContextHelp(1234, File(u"IV_.CHM"), 7);
    ShowContextHelp(0, File(u"Insta.chm"), 7);
    ShowContextHelp(9, File(u"Operacion_.CHM"), 7);
    EXPECT_EQ(FViewer.Shown, (std::vector<std::u16string>{base + u"20es/ayudas_iva_1234",
                                                          base + u"20es/ayudas_adm_0",
                                                          base + u"20es/documentos/operacion"}));
    EXPECT_EQ(FDouble.Calls("GetClient"), 1);
    SetVersion(u"21.10.000");
    ShowContextHelp(1234, File(u"IV_.CHM"), 7);
    EXPECT_EQ(FViewer.Shown.back(), base + u"21cl/ayudas_iva_1234");
}

TEST_F(HelpDispatch, CompiledHelpBeforeVersionTwenty) {
    const std::u16string file = File(u"ayuda.chm");
    for (const std::u16string version : {u"19.05", u"2"}) {
        SetVersion(version);
        ShowContextHelp(1234, file, 7);
        ShowContextHelp(-3, file, 7);
    }
    FViewer.Available = false;
    ShowContextHelp(55, file, 7);
    EXPECT_EQ(FViewer.Shown, (std::vector<std::u16string>{
                                 u"viewer 7 " + file + u" 15 1234", u"viewer 7 " + file + u" 1 0",
                                 u"viewer 7 " + file + u" 15 1234", u"viewer 7 " + file + u" 1 0",
                                 u"application 55"}));
}

TEST_F(HelpDispatch, FailuresReachTheCallerAndShowNothing) {
    SetVersion(u"9.5");
    EXPECT_EQ(ErrorOf(1, File(u"a.chm")), "'9.' is not a valid integer value");
    SetVersion(u"");
    EXPECT_EQ(ErrorOf(1, File(u"a.chm")), "'' is not a valid integer value");
    EXPECT_EQ(ErrorOf(1, File(u"otra") + kPathDelim + u"a.chm"),
              "No fue posible mostrar la ayuda.");
    EXPECT_EQ(ErrorOf(1, std::u16string(32767, u'x')), "No fue posible mostrar la ayuda.");
    std::ofstream(FFolder.Path() / "DESCRIP.INI") << "[LICENCIA]\nNUMEROLLAVE=   \n";
    EXPECT_EQ(ErrorOf(1, File(u"a.chm")), "No fue posible mostrar la ayuda.");
    EXPECT_TRUE(FViewer.Shown.empty());
}

} // namespace
} // namespace typ
