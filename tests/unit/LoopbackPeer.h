#pragma once

#include "platform/TcpSocket.h"
#include "sysinfo/Bytes.h"

#include <exception>
#include <functional>
#include <memory>
#include <stdexcept>
#include <thread>

namespace typ::test {

// How long a test peer waits for its client before it gives up.
inline constexpr TTcpTimeout kPeerTimeout{5000};

// A peer on a free loopback port that serves a number of connections, one
// after the other, on its own thread.
class TLoopbackPeer {
public:
    using THandler = std::function<void(TTcpSocket&)>;

    explicit TLoopbackPeer(THandler handler, int connections = 1)
        : FListener(TcpNetwork().ListenLoopback(0)), FPort(FListener->LocalPort()),
          FThread([this, handler, connections] { Serve(handler, connections); }) {}
    ~TLoopbackPeer() {
        if (FThread.joinable())
            FThread.join();
    }
    TLoopbackPeer(const TLoopbackPeer&) = delete;
    TLoopbackPeer& operator=(const TLoopbackPeer&) = delete;

    std::uint16_t Port() const { return FPort; }

    // Waits for the peer to end and raises what failed on its side.
    void Finish() {
        FThread.join();
        if (FFailure)
            std::rethrow_exception(FFailure);
    }

private:
    void Serve(const THandler& handler, int connections) {
        try {
            for (int i = 0; i < connections; ++i)
                handler(*FListener->Accept(kPeerTimeout));
        } catch (...) {
            FFailure = std::current_exception();
        }
    }

    std::unique_ptr<TTcpListener> FListener;
    std::uint16_t FPort;
    std::exception_ptr FFailure;
    std::thread FThread;
};

inline TBytes BigEndian32(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
            static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

inline TBytes ReceiveExactly(TTcpSocket& socket, std::size_t count) {
    TBytes bytes(count);
    for (std::size_t held = 0; held < count;) {
        const std::size_t got = socket.ReceiveSome(
            std::span<std::uint8_t>(bytes.data() + held, count - held), kPeerTimeout);
        if (got == 0)
            throw std::runtime_error("peer: connection closed early");
        held += got;
    }
    return bytes;
}

inline TBytes ReceiveFrame(TTcpSocket& socket) {
    const TBytes field = ReceiveExactly(socket, 4);
    return ReceiveExactly(socket, static_cast<std::size_t>(field[0]) << 24 |
                                      static_cast<std::size_t>(field[1]) << 16 |
                                      static_cast<std::size_t>(field[2]) << 8 | field[3]);
}

inline void SendFrame(TTcpSocket& socket, const TBytes& payload) {
    TBytes frame = BigEndian32(static_cast<std::uint32_t>(payload.size()));
    frame.insert(frame.end(), payload.begin(), payload.end());
    socket.SendAll(frame, kPeerTimeout);
}

} // namespace typ::test
