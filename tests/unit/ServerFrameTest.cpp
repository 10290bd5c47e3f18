#include "sysinfo/ServerFrame.h"

#include "platform/TcpSocket.h"
#include "sysinfo/RemoteError.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

using namespace std::chrono_literals;

// A connected pair over loopback: the client end and the accepted end.
struct TSocketPair {
    TSocketPair()
        : Listener(TcpNetwork().ListenLoopback(0)),
          Client(TcpNetwork().Connect("127.0.0.1", Listener->LocalPort(), 2000ms)),
          Server(Listener->Accept(2000ms)) {}

    void ClientSends(const TBytes& bytes) { Client->SendAll(bytes, 2000ms); }

    std::unique_ptr<TTcpListener> Listener;
    std::unique_ptr<TTcpSocket> Client;
    std::unique_ptr<TTcpSocket> Server;
};

TEST(ServerFrame, RoundTripsAPayloadBehindItsBigEndianLength) {
    TSocketPair pair;
    TBytes payload(70000);
    for (std::size_t i = 0; i < payload.size(); ++i)
        payload[i] = static_cast<std::uint8_t>(i * 7);
    SendFrame(*pair.Client, payload, 2000ms);
    EXPECT_EQ(ReceiveFrame(*pair.Server, 2000ms), payload);

    EXPECT_EQ(FrameLengthField(0x01020304), (TBytes{1, 2, 3, 4}));
    EXPECT_THROW(FrameLengthField(std::size_t{1} << 31), ERemoteError);
}

TEST(ServerFrame, ClosedBeforeAnyByteIsNoFrame) {
    TSocketPair pair;
    pair.Client->Close();
    EXPECT_EQ(ReceiveFrame(*pair.Server, 2000ms), std::nullopt);
}

TEST(ServerFrame, ClosedInsideTheFrameOrAnOverlongLengthFails) {
    TSocketPair cut;
    cut.ClientSends({0, 0, 0, 10, 1, 2, 3});
    cut.Client->Close();
    EXPECT_THROW(ReceiveFrame(*cut.Server, 2000ms), ERemoteError);

    TSocketPair cutLength;
    cutLength.ClientSends({0, 0});
    cutLength.Client->Close();
    EXPECT_THROW(ReceiveFrame(*cutLength.Server, 2000ms), ERemoteError);

    TSocketPair overlong;
    overlong.ClientSends({0x80, 0, 0, 0});
    EXPECT_THROW(ReceiveFrame(*overlong.Server, 2000ms), ERemoteError);
}

} // namespace
} // namespace typ
