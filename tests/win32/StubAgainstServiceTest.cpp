// The stub against the double installed as the Windows service: before each
// call the stub asks the real service manager for the service's state, and
// what it finds decides between the call and the Spanish refusal.
#include "ServiceTestSupport.h"
#include "StubTestSupport.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/ServiceState.h"
#include "sysinfo/ServicesIni.h"
#include "sysinfo/SysInfoChannelFactory.h"
#include "sysinfo/TcpTransportChannel.h"
#include "sysinfo/VnSysInfoStub.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace typ::win::test {
namespace {

using namespace std::chrono_literals;
using typ::test::kNotReadableResult;
using typ::test::NotRunningResult;

const std::u16string kNumber = u"81234";

bool HoldsVersion(const std::u16string& record) {
    return record.find(u"SystemVersion=2024.1.5") != std::u16string::npos;
}

// Services.Ini of the machine with a wait of one second between queries;
// removed afterwards.
class TOneSecondReattempts {
public:
    TOneSecondReattempts() : FPath(ServicesIniPath()) {
        FileSystem().WriteWholeFile(FPath, "[SysInfoService]\r\nReattemptsSleep=1\r\n");
    }
    ~TOneSecondReattempts() { FileSystem().RemoveFile(FPath); }
    TOneSecondReattempts(const TOneSecondReattempts&) = delete;
    TOneSecondReattempts& operator=(const TOneSecondReattempts&) = delete;

private:
    std::u16string FPath;
};

// The service manager's answers, counted on their way to the stub.
class TCountedServiceState final : public TServiceStateSource {
public:
    TCountedServiceState() { SetServiceStateSource(this); }
    ~TCountedServiceState() override { SetServiceStateSource(nullptr); }
    TCountedServiceState(const TCountedServiceState&) = delete;
    TCountedServiceState& operator=(const TCountedServiceState&) = delete;

    bool GetServiceState(const std::u16string& MachineName, const std::u16string& ServiceName,
                         std::uint8_t& State) const override {
        ++Queries;
        return SystemServiceStateSource().GetServiceState(MachineName, ServiceName, State);
    }

    mutable int Queries = 0;
};

// The system's time, with the stub's waits recorded instead of slept: what
// happens while the stub waits is the test's to say (DuringWait).
class TWaitRecordingClock final : public TClock {
public:
    TWaitRecordingClock() { SetClock(this); }
    ~TWaitRecordingClock() override { SetClock(nullptr); }
    TWaitRecordingClock(const TWaitRecordingClock&) = delete;
    TWaitRecordingClock& operator=(const TWaitRecordingClock&) = delete;

    TDateTime Now() const override { return SystemClock().Now(); }
    void Sleep(int milliseconds) const override {
        Waits.push_back(milliseconds);
        if (DuringWait)
            DuringWait();
    }

    std::function<void()> DuringWait;
    mutable std::vector<int> Waits;
};

class StubAgainstService : public ::testing::Test {
protected:
    StubAgainstService() {
        TVnSysInfoStub::ClearCaches();
        SetSysInfoChannelFactory(
            [port = FPort] { return std::make_unique<TTcpTransportChannel>(port, 5000ms); });
    }
    ~StubAgainstService() override {
        if (FInstalled)
            RunDouble({L"--uninstall"});
        SetSysInfoChannelFactory({});
        TVnSysInfoStub::ClearCaches();
    }

    // Installs the double, stopped, listening on the test's port once started.
    void Install(const std::vector<std::wstring>& options = {}) {
        std::vector<std::wstring> arguments{L"--install", L"--port", std::to_wstring(FPort)};
        arguments.insert(arguments.end(), options.begin(), options.end());
        ASSERT_EQ(RunDouble(arguments), 0u);
        FInstalled = true;
    }

    std::uint16_t FPort = FreePort();
    bool FInstalled = false;
    TOneSecondReattempts FReattempts;
    TCountedServiceState FState;
    TWaitRecordingClock FClock;
};

TEST_F(StubAgainstService, ARunningServiceIsAskedOnceThenCalled) {
    ASSERT_NO_FATAL_FAILURE(Install());
    TService service;
    ASSERT_TRUE(service.Start());
    ASSERT_TRUE(service.Reaches(SERVICE_RUNNING));

    const std::u16string record = TVnSysInfoStub::GetClient(kNumber, TClientDataOption::cdoBasic);
    EXPECT_TRUE(HoldsVersion(record));
    EXPECT_EQ(FState.Queries, 1);
    EXPECT_TRUE(FClock.Waits.empty());

    EXPECT_TRUE(TVnSysInfoStub::SetClient(kNumber, u"SystemVersion=2025.0"));
    EXPECT_NE(TVnSysInfoStub::GetClient(kNumber, TClientDataOption::cdoBasic)
                  .find(u"SystemVersion=2025.0"),
              std::u16string::npos)
        << "the stored record is read again after a change";
    EXPECT_EQ(FState.Queries, 3);
}

TEST_F(StubAgainstService, AServiceStoppedForGoodIsAskedFourTimesThenRefused) {
    ASSERT_NO_FATAL_FAILURE(Install());

    EXPECT_EQ(TVnSysInfoStub::GetClient(kNumber, TClientDataOption::cdoBasic),
              NotRunningResult(u"detenido"));
    EXPECT_EQ(FState.Queries, 4);
    EXPECT_EQ(FClock.Waits, (std::vector<int>{1000, 1000, 1000, 1000}));
    EXPECT_FALSE(TVnSysInfoStub::SetPlatformClient(u"PlatformTrace=True<B>"));
}

TEST_F(StubAgainstService, AServiceStartedDuringTheWaitIsCalled) {
    ASSERT_NO_FATAL_FAILURE(Install());
    TService service;
    FClock.DuringWait = [&service] {
        if (service.State() == SERVICE_STOPPED && service.Start())
            service.Reaches(SERVICE_RUNNING);
    };

    EXPECT_TRUE(HoldsVersion(TVnSysInfoStub::GetClient(kNumber, TClientDataOption::cdoBasic)));
    EXPECT_EQ(FState.Queries, 2);
    EXPECT_EQ(FClock.Waits, std::vector<int>{1000});
}

TEST_F(StubAgainstService, PendingAndPausedServicesAreRefusedWithoutWaiting) {
    ASSERT_NO_FATAL_FAILURE(Install({L"--start-delay", L"4000"}));
    TService service;
    ASSERT_TRUE(service.Start());
    ASSERT_TRUE(service.Reaches(SERVICE_START_PENDING));
    EXPECT_EQ(TVnSysInfoStub::GetPlatformServer(), NotRunningResult(u"pendiente de inicio"));
    EXPECT_EQ(FState.Queries, 1);

    ASSERT_TRUE(service.Reaches(SERVICE_RUNNING));
    ASSERT_TRUE(service.Control(SERVICE_CONTROL_PAUSE));
    ASSERT_TRUE(service.Reaches(SERVICE_PAUSED));
    EXPECT_EQ(TVnSysInfoStub::GetPlatformServer(), NotRunningResult(u"pausado"));

    ASSERT_TRUE(service.Control(SERVICE_CONTROL_CONTINUE));
    ASSERT_TRUE(service.Reaches(SERVICE_RUNNING));
    EXPECT_NE(TVnSysInfoStub::GetPlatformServer().find(u"PlatformVersion=3.2<S>"),
              std::u16string::npos);
    EXPECT_TRUE(FClock.Waits.empty());
}

TEST_F(StubAgainstService, AServiceThatIsNotInstalledCannotBeEvaluated) {
    ASSERT_FALSE(TService().Exists());
    EXPECT_EQ(TVnSysInfoStub::GetClient(kNumber, TClientDataOption::cdoBasic), kNotReadableResult);
    EXPECT_EQ(FState.Queries, 1);
    EXPECT_FALSE(TVnSysInfoStub::ServicesInterruped());
    EXPECT_TRUE(FClock.Waits.empty());
}

} // namespace
} // namespace typ::win::test
