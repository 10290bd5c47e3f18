#pragma once

#include "sysinfo/BinaryMessage.h"
#include "sysinfo/RemoteError.h"
#include "sysinfo/SvcSysAdminProxy.h"
#include "sysinfo/SvrSysInfoProxy.h"
#include "sysinfo/TcpTransportChannel.h"

#include <chrono>
#include <memory>
#include <string>

namespace typ::test {

// A message object, a channel to the double's port and the two proxies over
// them, as the stub makes them for a call.
struct TDoubleClient {
    explicit TDoubleClient(std::uint16_t port,
                           std::chrono::milliseconds timeout = std::chrono::milliseconds(5000))
        : Channel(port, timeout), SysInfo(CoSvr_SysInfo::Create(Message, Channel)),
          SysAdmin(CoSvc_SysAdmin::Create(Message, Channel)) {}

    TBinaryMessage Message;
    TTcpTransportChannel Channel;
    std::unique_ptr<ISvr_SysInfo> SysInfo;
    std::unique_ptr<ISvc_SysAdmin> SysAdmin;
};

// The message of the failure a call raises; empty when it succeeds.
template <typename TCall> std::string FailureOf(TCall call) {
    try {
        call();
    } catch (const ERemoteError& error) {
        return error.what();
    }
    return {};
}

} // namespace typ::test
