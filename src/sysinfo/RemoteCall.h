#pragma once

#include "sysinfo/BinaryMessage.h"
#include "sysinfo/TransportChannel.h"

#include <string_view>

namespace typ {

// One remote call over a message object and a channel: Request() receives the
// input values, Dispatch() sends them and gives the response's values to read.
// The message's bodies are released when the call ends, however it ends.
class TRemoteCall {
public:
    TRemoteCall(TBinaryMessage& message, TTransportChannel& channel, std::string_view interfaceName,
                std::string_view messageName);
    ~TRemoteCall();
    TRemoteCall(const TRemoteCall&) = delete;
    TRemoteCall& operator=(const TRemoteCall&) = delete;

    TValueWriter& Request() { return FMessage.Writer(); }
    // Compresses and enciphers the request, carries it over the channel, opens
    // the response and raises the failure an exception response reports.
    // Throws ERemoteError.
    TValueReader& Dispatch();

private:
    TBinaryMessage& FMessage;
    TTransportChannel& FChannel;
};

} // namespace typ
