#pragma once

#include "sysinfo/BinaryMessage.h"
#include "sysinfo/TransportChannel.h"
#include "sysinfo/VnSysConstants.h"

#include <memory>
#include <string>

namespace typ {

// The message object and the channel of one call, freed after it.
struct TSysInfoConnection {
    std::unique_ptr<TBinaryMessage> Message;
    std::unique_ptr<TTransportChannel> Channel;
};

// The program's only caller of the system-information service: one operation
// per remote method, each on a new message object and channel, after making
// sure the service runs. No error leaves it: a text operation answers
// "SysInfoException=" and the failure's message, a yes/no operation false.
// Basic client records and the platform records are kept for 60 seconds.
class TVnSysInfoStub {
public:
    TVnSysInfoStub() = delete;

    static std::u16string GetClient(const std::u16string& HLNumber, TClientDataOption DataOption);
    static std::u16string GetServer(const std::u16string& HLNumber, TServerDataOption DataOption);
    static std::u16string GetClients(TEnumTypeSystem TypeSystem);
    static std::u16string GetServers(TEnumTypeSystem TypeSystem);
    static bool SetClient(const std::u16string& HLNumber, const std::u16string& SysInfo);
    static bool SetClientCurrentUser(const std::u16string& HLNumber, const std::u16string& SysInfo);
    static bool SetServer(const std::u16string& HLNumber, const std::u16string& SysInfo);
    // The outcome record; OutPutParams receives the process's output, and
    // stays empty when the call fails.
    static std::u16string Execute(const std::u16string& ProcessLogicalName,
                                  const std::u16string& InputParams, std::u16string& OutPutParams);
    static std::u16string GetPlatformServer();
    static bool SetPlatformServer(const std::u16string& SysInfo);
    static std::u16string GetPlatformClient();
    static bool SetPlatformClient(const std::u16string& SysInfo);
    static void InterruptServices();
    static void ReleaseServices();
    static bool ServicesInterruped();

    // A new message object and channel once the service is found running;
    // raises ESysInfoServiceState otherwise.
    static TSysInfoConnection OpenChannel();
    // "SysInfoException=" and the message without its CR LF pairs (a lone CR
    // or LF stays).
    static std::u16string ExceptionResult(const std::u16string& Message);
    // Forgets every cached record (done at process end).
    static void ClearCaches();
};

} // namespace typ
