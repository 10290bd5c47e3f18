#pragma once

#include "server/Guid.h"
#include "sysinfo/ServiceList.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace typ {

// The system-information service's installation records. Every method is one
// remote call and throws ERemoteError when the call fails. AnsiString values
// are held as UTF-16 and travel in Windows-1252.
class ISvr_SysInfo {
public:
    static constexpr TGuid IID{
        0x4BDDD236, 0x588F, 0x4BD8, {0x94, 0x6A, 0x1D, 0x32, 0x21, 0x89, 0x5E, 0x89}};
    static constexpr std::string_view InterfaceName = "Svr_SysInfo";

    virtual ~ISvr_SysInfo() = default;

    virtual std::u16string GetServers(std::int32_t TypeSystem) = 0;
    virtual std::u16string GetClients(std::int32_t TypeSystem) = 0;
    virtual std::u16string GetServer(const std::u16string& HLNumber, std::int32_t DataOption) = 0;
    virtual std::u16string GetClient(const std::u16string& HLNumber, const std::u16string& UserName,
                                     std::int32_t DataOption) = 0;
    virtual bool SetClient(const std::u16string& HLNumber, const std::u16string& UserName,
                           const std::u16string& SysInfo) = 0;
    virtual bool SetServer(const std::u16string& HLNumber, const std::u16string& UserName,
                           const std::u16string& SysInfo) = 0;
    virtual bool SetClientCurrentUser(const std::u16string& HLNumber,
                                      const std::u16string& UserName,
                                      const std::u16string& SysInfo) = 0;
    // The outcome record; the process's output text goes to OutPutParams.
    virtual std::u16string Execute(const std::u16string& ProcessLogicalName,
                                   const std::u16string& InputParams,
                                   std::u16string& OutPutParams) = 0;
    virtual std::u16string GetPlatformServer() = 0;
    virtual bool SetPlatformServer(const std::u16string& SysInfo) = 0;
    virtual std::u16string GetPlatformClient() = 0;
    virtual bool SetPlatformClient(const std::u16string& SysInfo) = 0;
};

// Administration of the service's own services.
class ISvc_SysAdmin {
public:
    static constexpr TGuid IID{
        0xB3D41ABD, 0x45FD, 0x45A8, {0xAA, 0xBF, 0x7B, 0x9F, 0x94, 0x76, 0x02, 0x92}};
    static constexpr std::string_view InterfaceName = "Svc_SysAdmin";

    virtual ~ISvc_SysAdmin() = default;

    // Success; aServiceList receives the list, or null when the service sent
    // none.
    virtual bool GetServices(std::unique_ptr<TServiceList>& aServiceList) = 0;
    virtual void InterruptServices() = 0;
    virtual void ReleaseServices() = 0;
    virtual bool ServicesInterrupted() = 0;
};

} // namespace typ
