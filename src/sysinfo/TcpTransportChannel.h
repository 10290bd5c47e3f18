#pragma once

#include "sysinfo/TransportChannel.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace typ {

// Where the system-information service listens.
inline constexpr std::string_view kSysInfoHost = "127.0.0.1";
inline constexpr std::uint16_t kSysInfoPort = 9097;

// How long a whole call (connecting, sending the request and receiving the
// whole answer) may last before it fails instead of hanging.
inline constexpr std::chrono::milliseconds kSysInfoTimeout{30000};

// The TCP channel to the service: one connection per call, each direction a
// frame of a 4-byte big-endian length and that many bytes of payload.
// Failures raise ERemoteError with the TCP layer's text, or the channel's own
// for the call's time limit passed, a connection closed early or a frame too
// long.
class TTcpTransportChannel final : public TTransportChannel {
public:
    explicit TTcpTransportChannel(std::uint16_t port = kSysInfoPort,
                                  std::chrono::milliseconds timeout = kSysInfoTimeout);
    // The same at another address, for tools that reach a service elsewhere.
    TTcpTransportChannel(std::string host, std::uint16_t port, std::chrono::milliseconds timeout);

    TBytes Dispatch(const TBytes& request) override;

private:
    std::string FHost;
    std::uint16_t FPort;
    std::chrono::milliseconds FTimeout;
};

} // namespace typ
