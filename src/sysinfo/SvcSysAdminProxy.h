#pragma once

#include "sysinfo/BinaryMessage.h"
#include "sysinfo/SysInfoContract.h"
#include "sysinfo/TransportChannel.h"

#include <memory>

namespace typ {

// ISvc_SysAdmin over the wire: each method is one remote call through the
// message object and channel it is bound to, which must outlive it.
class TSvc_SysAdmin_Proxy final : public ISvc_SysAdmin {
public:
    TSvc_SysAdmin_Proxy(TBinaryMessage& message, TTransportChannel& channel)
        : FMessage(message), FChannel(channel) {}

    bool GetServices(std::unique_ptr<TServiceList>& aServiceList) override;
    void InterruptServices() override;
    void ReleaseServices() override;
    bool ServicesInterrupted() override;

private:
    TBinaryMessage& FMessage;
    TTransportChannel& FChannel;
};

struct CoSvc_SysAdmin {
    static std::unique_ptr<ISvc_SysAdmin> Create(TBinaryMessage& aMessage,
                                                 TTransportChannel& aTransportChannel);
};

} // namespace typ
