#include "sysinfo/SvrSysInfoProxy.h"

#include "sysinfo/RemoteCall.h"

namespace typ {

std::u16string TSvr_SysInfo_Proxy::GetServers(std::int32_t TypeSystem) {
    return GetByTypeSystem("GetServers", TypeSystem);
}

std::u16string TSvr_SysInfo_Proxy::GetClients(std::int32_t TypeSystem) {
    return GetByTypeSystem("GetClients", TypeSystem);
}

std::u16string TSvr_SysInfo_Proxy::GetServer(const std::u16string& HLNumber,
                                             std::int32_t DataOption) {
    TRemoteCall call(FMessage, FChannel, InterfaceName, "GetServer");
    call.Request().WriteAnsiString(HLNumber);
    call.Request().WriteInteger(DataOption);
    return call.Dispatch().ReadAnsiString();
}

std::u16string TSvr_SysInfo_Proxy::GetClient(const std::u16string& HLNumber,
                                             const std::u16string& UserName,
                                             std::int32_t DataOption) {
    TRemoteCall call(FMessage, FChannel, InterfaceName, "GetClient");
    call.Request().WriteAnsiString(HLNumber);
    call.Request().WriteAnsiString(UserName);
    call.Request().WriteInteger(DataOption);
    return call.Dispatch().ReadAnsiString();
}

bool TSvr_SysInfo_Proxy::SetClient(const std::u16string& HLNumber, const std::u16string& UserName,
                                   const std::u16string& SysInfo) {
    return SetRecord("SetClient", HLNumber, UserName, SysInfo);
}

bool TSvr_SysInfo_Proxy::SetServer(const std::u16string& HLNumber, const std::u16string& UserName,
                                   const std::u16string& SysInfo) {
    return SetRecord("SetServer", HLNumber, UserName, SysInfo);
}

bool TSvr_SysInfo_Proxy::SetClientCurrentUser(const std::u16string& HLNumber,
                                              const std::u16string& UserName,
                                              const std::u16string& SysInfo) {
    return SetRecord("SetClientCurrentUser", HLNumber, UserName, SysInfo);
}

std::u16string TSvr_SysInfo_Proxy::Execute(const std::u16string& ProcessLogicalName,
                                           const std::u16string& InputParams,
                                           std::u16string& OutPutParams) {
    TRemoteCall call(FMessage, FChannel, InterfaceName, "Execute");
    call.Request().WriteWideString(ProcessLogicalName);
    call.Request().WriteWideString(InputParams);
    TValueReader& response = call.Dispatch();
    std::u16string result = response.ReadWideString();
    OutPutParams = response.ReadWideString();
    return result;
}

std::u16string TSvr_SysInfo_Proxy::GetPlatformServer() {
    return GetPlatform("GetPlatformServer");
}

bool TSvr_SysInfo_Proxy::SetPlatformServer(const std::u16string& SysInfo) {
    return SetPlatform("SetPlatformServer", SysInfo);
}

std::u16string TSvr_SysInfo_Proxy::GetPlatformClient() {
    return GetPlatform("GetPlatformClient");
}

bool TSvr_SysInfo_Proxy::SetPlatformClient(const std::u16string& SysInfo) {
    return SetPlatform("SetPlatformClient", SysInfo);
}

std::u16string TSvr_SysInfo_Proxy::GetByTypeSystem(std::string_view method,
                                                   std::int32_t TypeSystem) {
    TRemoteCall call(FMessage, FChannel, InterfaceName, method);
    call.Request().WriteInteger(TypeSystem);
    return call.Dispatch().ReadAnsiString();
}

bool TSvr_SysInfo_Proxy::SetRecord(std::string_view method, const std::u16string& HLNumber,
                                   const std::u16string& UserName, const std::u16string& SysInfo) {
    TRemoteCall call(FMessage, FChannel, InterfaceName, method);
    call.Request().WriteAnsiString(HLNumber);
    call.Request().WriteAnsiString(UserName);
    call.Request().WriteAnsiString(SysInfo);
    return call.Dispatch().ReadBoolean();
}

std::u16string TSvr_SysInfo_Proxy::GetPlatform(std::string_view method) {
    TRemoteCall call(FMessage, FChannel, InterfaceName, method);
    return call.Dispatch().ReadAnsiString();
}

bool TSvr_SysInfo_Proxy::SetPlatform(std::string_view method, const std::u16string& SysInfo) {
    TRemoteCall call(FMessage, FChannel, InterfaceName, method);
    call.Request().WriteAnsiString(SysInfo);
    return call.Dispatch().ReadBoolean();
}

std::unique_ptr<ISvr_SysInfo> CoSvr_SysInfo::Create(TBinaryMessage& aMessage,
                                                    TTransportChannel& aTransportChannel) {
    return std::make_unique<TSvr_SysInfo_Proxy>(aMessage, aTransportChannel);
}

} // namespace typ
