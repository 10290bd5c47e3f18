#include "sysinfo/RemoteCall.h"

#include "sysinfo/ChannelEnvelope.h"

namespace typ {

TRemoteCall::TRemoteCall(TBinaryMessage& message, TTransportChannel& channel,
                         std::string_view interfaceName, std::string_view messageName)
    : FMessage(message), FChannel(channel) {
    FMessage.InitializeRequest(interfaceName, messageName);
}

TRemoteCall::~TRemoteCall() {
    FMessage.Clear();
}

TValueReader& TRemoteCall::Dispatch() {
    const TBytes response = FChannel.Dispatch(WrapEnvelope(FMessage.Encode()));
    FMessage.Decode(UnwrapEnvelope(response));
    FMessage.ReadResponseStart();
    return FMessage.Reader();
}

} // namespace typ
