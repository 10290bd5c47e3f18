#include "sysinfo/SvcSysAdminProxy.h"

#include "sysinfo/ContractValues.h"
#include "sysinfo/RemoteCall.h"

namespace typ {

bool TSvc_SysAdmin_Proxy::GetServices(std::unique_ptr<TServiceList>& aServiceList) {
    TRemoteCall call(FMessage, FChannel, InterfaceName, "GetServices");
    TValueReader& response = call.Dispatch();
    const bool result = response.ReadBoolean();
    aServiceList = ReadServiceList(response);
    return result;
}

void TSvc_SysAdmin_Proxy::InterruptServices() {
    TRemoteCall call(FMessage, FChannel, InterfaceName, "InterruptServices");
    call.Dispatch();
}

void TSvc_SysAdmin_Proxy::ReleaseServices() {
    TRemoteCall call(FMessage, FChannel, InterfaceName, "ReleaseServices");
    call.Dispatch();
}

bool TSvc_SysAdmin_Proxy::ServicesInterrupted() {
    TRemoteCall call(FMessage, FChannel, InterfaceName, "ServicesInterrupted");
    return call.Dispatch().ReadBoolean();
}

std::unique_ptr<ISvc_SysAdmin> CoSvc_SysAdmin::Create(TBinaryMessage& aMessage,
                                                      TTransportChannel& aTransportChannel) {
    return std::make_unique<TSvc_SysAdmin_Proxy>(aMessage, aTransportChannel);
}

} // namespace typ
