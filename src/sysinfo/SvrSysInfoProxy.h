#pragma once

#include "sysinfo/BinaryMessage.h"
#include "sysinfo/SysInfoContract.h"
#include "sysinfo/TransportChannel.h"

#include <memory>

namespace typ {

// ISvr_SysInfo over the wire: each method is one remote call through the
// message object and channel it is bound to, which must outlive it.
class TSvr_SysInfo_Proxy final : public ISvr_SysInfo {
public:
    TSvr_SysInfo_Proxy(TBinaryMessage& message, TTransportChannel& channel)
        : FMessage(message), FChannel(channel) {}

    std::u16string GetServers(std::int32_t TypeSystem) override;
    std::u16string GetClients(std::int32_t TypeSystem) override;
    std::u16string GetServer(const std::u16string& HLNumber, std::int32_t DataOption) override;
    std::u16string GetClient(const std::u16string& HLNumber, const std::u16string& UserName,
                             std::int32_t DataOption) override;
    bool SetClient(const std::u16string& HLNumber, const std::u16string& UserName,
                   const std::u16string& SysInfo) override;
    bool SetServer(const std::u16string& HLNumber, const std::u16string& UserName,
                   const std::u16string& SysInfo) override;
    bool SetClientCurrentUser(const std::u16string& HLNumber, const std::u16string& UserName,
                              const std::u16string& SysInfo) override;
    std::u16string Execute(const std::u16string& ProcessLogicalName,
                           const std::u16string& InputParams,
                           std::u16string& OutPutParams) override;
    std::u16string GetPlatformServer() override;
    bool SetPlatformServer(const std::u16string& SysInfo) override;
    std::u16string GetPlatformClient() override;
    bool SetPlatformClient(const std::u16string& SysInfo) override;

private:
    std::u16string GetByTypeSystem(std::string_view method, std::int32_t TypeSystem);
    bool SetRecord(std::string_view method, const std::u16string& HLNumber,
                   const std::u16string& UserName, const std::u16string& SysInfo);
    std::u16string GetPlatform(std::string_view method);
    bool SetPlatform(std::string_view method, const std::u16string& SysInfo);

    TBinaryMessage& FMessage;
    TTransportChannel& FChannel;
};

struct CoSvr_SysInfo {
    static std::unique_ptr<ISvr_SysInfo> Create(TBinaryMessage& aMessage,
                                                TTransportChannel& aTransportChannel);
};

} // namespace typ
