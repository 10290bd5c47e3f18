#include "sysinfo/SysInfoChannelFactory.h"

#include "sysinfo/TcpTransportChannel.h"

#include <utility>

namespace typ {
namespace {

TSysInfoChannelFactory& InstalledFactory() {
    static TSysInfoChannelFactory factory;
    return factory;
}

} // namespace

std::unique_ptr<TTransportChannel> NewSysInfoChannel() {
    const TSysInfoChannelFactory& factory = InstalledFactory();
    if (factory)
        return factory();
    return std::make_unique<TTcpTransportChannel>(kSysInfoPort);
}

void SetSysInfoChannelFactory(TSysInfoChannelFactory factory) {
    InstalledFactory() = std::move(factory);
}

} // namespace typ
