#include "sysinfo/TcpTransportChannel.h"

#include "platform/TcpSocket.h"
#include "sysinfo/FrameBytes.h"
#include "sysinfo/RemoteError.h"

#include <cstddef>
#include <string>
#include <utility>

namespace typ {
namespace {

// "30", "0.2", "1.25": the seconds without trailing zeros.
std::string SecondsText(std::chrono::milliseconds timeout) {
    const long long millis = timeout.count();
    std::string text = std::to_string(millis / 1000);
    if (millis % 1000 != 0) {
        std::string fraction = std::to_string(1000 + millis % 1000).substr(1);
        fraction.erase(fraction.find_last_not_of('0') + 1);
        text += "." + fraction;
    }
    return text;
}

TBytes Frame(const TBytes& payload) {
    if (payload.size() >= kFrameLimit)
        throw ERemoteError("Request too long for one frame (" + std::to_string(payload.size()) +
                           " bytes)");
    TBytes frame = EncodeFrameLength(static_cast<std::uint32_t>(payload.size()));
    frame.insert(frame.end(), payload.begin(), payload.end());
    return frame;
}

std::uint32_t ReceiveLength(TTcpSocket& socket, TTcpDeadline deadline) {
    TBytes field;
    if (!ReceiveUpTo(socket, field, kFrameLengthSize, deadline))
        throw ERemoteError("Connection closed gracefully before the service answered");
    const std::uint32_t length = DecodeFrameLength(field);
    if (length >= kFrameLimit)
        throw ERemoteError("Invalid response frame length " + std::to_string(length));
    return length;
}

TBytes ReceivePayload(TTcpSocket& socket, std::uint32_t length, TTcpDeadline deadline) {
    TBytes payload;
    if (!ReceiveUpTo(socket, payload, length, deadline))
        throw ERemoteError("Connection closed gracefully after " + std::to_string(payload.size()) +
                           " of the " + std::to_string(length) + " bytes of the response");
    return payload;
}

} // namespace

TTcpTransportChannel::TTcpTransportChannel(std::uint16_t port, std::chrono::milliseconds timeout)
    : FHost(kSysInfoHost), FPort(port), FTimeout(timeout) {}

TTcpTransportChannel::TTcpTransportChannel(std::string host, std::uint16_t port,
                                           std::chrono::milliseconds timeout)
    : FHost(std::move(host)), FPort(port), FTimeout(timeout) {}

TBytes TTcpTransportChannel::Dispatch(const TBytes& request) {
    const TBytes frame = Frame(request);
    // One deadline for the whole call, so that a peer pacing its bytes cannot
    // stretch it wait by wait.
    const TTcpDeadline deadline = DeadlineIn(FTimeout);
    try {
        const auto socket = TcpNetwork().Connect(FHost, FPort, TimeLeft(deadline));
        socket->SendAll(frame, TimeLeft(deadline));
        const std::uint32_t length = ReceiveLength(*socket, deadline);
        TBytes response = ReceivePayload(*socket, length, deadline);
        socket->Close();
        return response;
    } catch (const ETcpTimeout&) {
        throw ERemoteError("Connection timed out waiting for the service (" +
                           SecondsText(FTimeout) + " s)");
    } catch (const ETcpError& error) {
        throw ERemoteError(error.what());
    }
}

} // namespace typ
