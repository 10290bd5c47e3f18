#include "DoubleClient.h"
#include "PeakMemory.h"
#include "SysInfoDouble.h"
#include "sysinfo/Compression.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace typ::test {
namespace {

using namespace std::chrono_literals;

class DoubleMisbehaviour : public ::testing::Test {
protected:
    std::string GetClientFailure(std::chrono::milliseconds timeout = 5000ms) {
        TDoubleClient client(Double.Port(), timeout);
        return FailureOf([&] { client.SysInfo->GetClient(u"81234", u"ana", 0); });
    }

    TSysInfoDouble Double;
};

TEST_F(DoubleMisbehaviour, SlowAnswerOutlastsAShortClientTimeout) {
    Double.SetDelay(600ms);
    EXPECT_EQ(GetClientFailure(200ms), "Connection timed out waiting for the service (0.2 s)");
    TDoubleClient patient(Double.Port());
    EXPECT_NE(patient.SysInfo->GetClient(u"81234", u"ana", 0).find(u"SystemVersion"),
              std::u16string::npos);
}

TEST_F(DoubleMisbehaviour, CloseMidFrameLeavesTheResponseShort) {
    Double.SetMisbehaviour(TDoubleMisbehaviour::CloseMidFrame);
    const std::string failure = GetClientFailure();
    EXPECT_EQ(failure.rfind("Connection closed gracefully after ", 0), 0u) << failure;
    EXPECT_EQ(Double.Calls("GetClient"), 1);
}

TEST_F(DoubleMisbehaviour, GarbageIsNoBinaryMessage) {
    Double.SetMisbehaviour(TDoubleMisbehaviour::Garbage);
    EXPECT_EQ(GetClientFailure(),
              "Invalid binary header. Either incompatible or not a binary message.");
}

TEST_F(DoubleMisbehaviour, ExceptionForAllFailsEveryMethodWithItsName) {
    Double.SetMisbehaviour(TDoubleMisbehaviour::ExceptionForAll);
    EXPECT_EQ(GetClientFailure(), "An exception of type EVnSysInfoError was raised on the "
                                  "server: Fallo provocado en GetClient");
    TDoubleClient client(Double.Port());
    EXPECT_EQ(FailureOf([&] { client.SysAdmin->ReleaseServices(); }),
              "An exception of type EVnSysInfoError was raised on the server: Fallo provocado "
              "en ReleaseServices");
}

TEST_F(DoubleMisbehaviour, NeverAnswerHoldsUntilTheClientGivesUp) {
    Double.SetMisbehaviour(TDoubleMisbehaviour::NeverAnswer);
    EXPECT_EQ(GetClientFailure(300ms), "Connection timed out waiting for the service (0.3 s)");
    Double.SetMisbehaviour(TDoubleMisbehaviour::None);
    EXPECT_EQ(GetClientFailure(), "");
}

// Each byte comes well within the time limit, yet the whole answer would take
// over half a minute: the limit is the call's, not each wait's.
TEST_F(DoubleMisbehaviour, TrickledAnswerFailsAtTheDeadlineOfTheWholeCall) {
    Double.SetMisbehaviour(TDoubleMisbehaviour::Trickle);
    Double.SetTrickleInterval(150ms);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(GetClientFailure(1000ms), "Connection timed out waiting for the service (1 s)");
    EXPECT_LT(std::chrono::steady_clock::now() - start, 6s) << "bounded by the deadline";
}

// The bomb inflates to 128 MiB and announces 3 GiB; a client that trusted
// either would grow by far more than twice the answer limit.
TEST_F(DoubleMisbehaviour, BombIsRefusedWithoutBallooning) {
    Double.SetMisbehaviour(TDoubleMisbehaviour::Bomb);
    const std::size_t before = PeakMemoryBytes();
    ASSERT_GT(before, 0u) << "the peak memory cannot be read here";
    const std::string failure = GetClientFailure();
    EXPECT_NE(failure.find("answer too large"), std::string::npos) << failure;
    EXPECT_LT(PeakMemoryBytes() - before, 2 * kAnswerLimit);
}

// Both are valid forms of a response that the client must accept.
TEST_F(DoubleMisbehaviour, UnencipheredAndCompressedShortResponsesAreAccepted) {
    for (const TDoubleMisbehaviour form :
         {TDoubleMisbehaviour::Unenciphered, TDoubleMisbehaviour::CompressedShort}) {
        Double.SetMisbehaviour(form);
        TDoubleClient client(Double.Port());
        EXPECT_EQ(client.SysInfo->GetClient(u"81234", u"ana", 4), dbl::kSeedClient[4]);
        std::unique_ptr<TServiceList> list;
        EXPECT_TRUE(client.SysAdmin->GetServices(list));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->Count(), 2);
    }
}

TEST_F(DoubleMisbehaviour, PausedDoubleClosesWithoutAnswer) {
    Double.SetPaused(true);
    EXPECT_NE(GetClientFailure(), "");
    EXPECT_EQ(Double.TotalCalls(), 0);
    Double.SetPaused(false);
    EXPECT_EQ(GetClientFailure(), "");
}

TEST(DoubleStopping, StopEndsAHeldConnectionPromptly) {
    TSysInfoDouble held;
    held.SetMisbehaviour(TDoubleMisbehaviour::NeverAnswer);
    TDoubleClient client(held.Port(), 3000ms);
    std::string failure;
    std::thread caller([&] { failure = FailureOf([&] { client.SysInfo->GetPlatformServer(); }); });
    while (held.TotalCalls() == 0)
        std::this_thread::sleep_for(10ms);
    const auto start = std::chrono::steady_clock::now();
    held.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1000ms);
    caller.join();
    EXPECT_EQ(failure.rfind("Connection closed gracefully", 0), 0u) << failure;
}

} // namespace
} // namespace typ::test
