#include "platform/TcpSocket.h"

#include "LoopbackPeer.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

using namespace std::chrono_literals;

TEST(TcpSocket, WaitsEndInTimeouts) {
    const auto listener = TcpNetwork().ListenLoopback(0);
    EXPECT_NE(listener->LocalPort(), 0);
    EXPECT_THROW(listener->Accept(50ms), ETcpTimeout);

    const auto client = TcpNetwork().Connect("127.0.0.1", listener->LocalPort(), 1s);
    const auto server = listener->Accept(1s);
    std::uint8_t byte = 0;
    EXPECT_THROW(client->ReceiveSome(std::span<std::uint8_t>(&byte, 1), 50ms), ETcpTimeout);
    EXPECT_THROW(server->ReceiveSome(std::span<std::uint8_t>(&byte, 1), 50ms), ETcpTimeout);
}

TEST(TcpSocket, BytesArriveInOrderAndCloseReadsAsZero) {
    const auto listener = TcpNetwork().ListenLoopback(0);
    const auto client = TcpNetwork().Connect("localhost", listener->LocalPort(), 1s);
    const auto server = listener->Accept(1s);
    const TBytes sent{1, 2, 3, 4, 5};
    client->SendAll(sent, 1s);
    client->Close();
    EXPECT_EQ(test::ReceiveExactly(*server, sent.size()), sent);
    std::uint8_t byte = 0;
    EXPECT_EQ(server->ReceiveSome(std::span<std::uint8_t>(&byte, 1), 1s), 0u);
}

TEST(TcpSocket, PortInUseCannotBeTakenAgain) {
    const auto listener = TcpNetwork().ListenLoopback(0);
    EXPECT_THROW(TcpNetwork().ListenLoopback(listener->LocalPort()), ETcpError);
}

} // namespace
} // namespace typ
