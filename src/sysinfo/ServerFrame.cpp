#include "sysinfo/ServerFrame.h"

#include "sysinfo/FrameBytes.h"
#include "sysinfo/RemoteError.h"

#include <string>

namespace typ {

TBytes FrameLengthField(std::size_t payloadSize) {
    if (payloadSize >= kFrameLimit)
        throw ERemoteError("Frame too long (" + std::to_string(payloadSize) + " bytes)");
    return EncodeFrameLength(static_cast<std::uint32_t>(payloadSize));
}

TBytes Framed(const TBytes& payload) {
    TBytes frame = FrameLengthField(payload.size());
    frame.insert(frame.end(), payload.begin(), payload.end());
    return frame;
}

std::optional<TBytes> ReceiveFrame(TTcpSocket& socket, TTcpTimeout timeout) {
    const TTcpDeadline deadline = DeadlineIn(timeout);
    TBytes field;
    if (!ReceiveUpTo(socket, field, kFrameLengthSize, deadline)) {
        if (field.empty())
            return std::nullopt;
        throw ERemoteError("Connection closed inside a frame's length");
    }
    const std::uint32_t length = DecodeFrameLength(field);
    if (length >= kFrameLimit)
        throw ERemoteError("Invalid frame length " + std::to_string(length));
    TBytes payload;
    if (!ReceiveUpTo(socket, payload, length, deadline))
        throw ERemoteError("Connection closed after " + std::to_string(payload.size()) +
                           " of the " + std::to_string(length) + " bytes of a frame");
    return payload;
}

void SendFrame(TTcpSocket& socket, const TBytes& payload, TTcpTimeout timeout) {
    socket.SendAll(Framed(payload), timeout);
}

} // namespace typ
