#include "LoopbackPeer.h"
#include "sysinfo/RemoteError.h"
#include "sysinfo/TcpTransportChannel.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace typ {
namespace {

using test::BigEndian32;
using test::ReceiveFrame;
using test::SendFrame;
using test::TLoopbackPeer;

TBytes Pattern(std::size_t length) {
    TBytes bytes(length);
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 31 + 7);
    return bytes;
}

// The message of the error a call raises, or "" when it succeeds.
std::string DispatchError(TTcpTransportChannel& channel) {
    try {
        channel.Dispatch(Pattern(100));
    } catch (const ERemoteError& error) {
        return error.what();
    }
    return "";
}

// A peer that reads the request and answers with these raw bytes, then closes.
TLoopbackPeer::THandler Answering(TBytes answer) {
    return [answer](TTcpSocket& socket) {
        ReceiveFrame(socket);
        if (!answer.empty())
            socket.SendAll(answer, test::kPeerTimeout);
    };
}

TEST(TcpTransport, OneConnectionAndOneFramePerCall) {
    TLoopbackPeer peer(
        [](TTcpSocket& socket) {
            TBytes request = ReceiveFrame(socket);
            std::reverse(request.begin(), request.end());
            SendFrame(socket, request);
        },
        3);
    TTcpTransportChannel channel(peer.Port());
    // Large enough to fill the socket buffers, so sending and receiving wait.
    TBytes request = Pattern(3 * 1024 * 1024 + 5);
    TBytes expected(request.rbegin(), request.rend());
    EXPECT_EQ(channel.Dispatch(request), expected);
    EXPECT_EQ(channel.Dispatch({}), TBytes{});
    EXPECT_EQ(channel.Dispatch({1, 2, 3}), (TBytes{3, 2, 1}));
    peer.Finish();
}

TEST(TcpTransport, PeerClosingEarlyFailsCleanly) {
    TBytes midFrame = BigEndian32(100);
    midFrame.insert(midFrame.end(), 10, 0xAB);
    TBytes huge = BigEndian32(0x7FFFFFFF);
    huge.insert(huge.end(), 10, 0xCD);
    const std::pair<TBytes, std::string> cases[] = {
        {{}, "Connection closed gracefully before the service answered"},
        {{0, 0}, "Connection closed gracefully before the service answered"},
        {midFrame, "Connection closed gracefully after 10 of the 100 bytes of the response"},
        {huge, "Connection closed gracefully after 10 of the 2147483647 bytes of the response"},
    };
    for (const auto& [answer, text] : cases) {
        TLoopbackPeer peer(Answering(answer));
        TTcpTransportChannel channel(peer.Port());
        EXPECT_EQ(DispatchError(channel), text);
        peer.Finish();
    }
}

TEST(TcpTransport, FrameLengthFrom2To31IsRefusedAtOnce) {
    for (const std::uint32_t length : {0x80000000u, 0xFFFFFFFFu}) {
        TLoopbackPeer peer(Answering(BigEndian32(length)));
        TTcpTransportChannel channel(peer.Port());
        EXPECT_EQ(DispatchError(channel),
                  "Invalid response frame length " + std::to_string(length));
        peer.Finish();
    }
}

TEST(TcpTransport, PeerThatNeverAnswersTimesOut) {
    TLoopbackPeer peer([](TTcpSocket& socket) {
        ReceiveFrame(socket);
        std::uint8_t byte = 0;
        // Holds the connection until the client gives up and closes it.
        EXPECT_EQ(socket.ReceiveSome(std::span<std::uint8_t>(&byte, 1), test::kPeerTimeout), 0u);
    });
    TTcpTransportChannel channel(peer.Port(), std::chrono::milliseconds(200));
    EXPECT_EQ(DispatchError(channel), "Connection timed out waiting for the service (0.2 s)");
    peer.Finish();
}

TEST(TcpTransport, RefusedConnectionReportsTheTcpError) {
    const std::uint16_t port = TcpNetwork().ListenLoopback(0)->LocalPort();
    TTcpTransportChannel channel(port, std::chrono::milliseconds(5000));
    const std::string error = DispatchError(channel);
    EXPECT_EQ(error.rfind("Socket error ", 0), 0u) << error;
    EXPECT_NE(error.find("Connection refused"), std::string::npos) << error;
}

} // namespace
} // namespace typ
