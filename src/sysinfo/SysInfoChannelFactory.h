#pragma once

#include "sysinfo/TransportChannel.h"

#include <functional>
#include <memory>

namespace typ {

// Makes the channel of one call to the system-information service.
using TSysInfoChannelFactory = std::function<std::unique_ptr<TTransportChannel>()>;

// A new channel from the installed factory; by default a TCP channel to the
// service's own address (127.0.0.1:9097).
std::unique_ptr<TTransportChannel> NewSysInfoChannel();

// Installs a factory for the whole process (an empty one restores the
// default), for runs that reach a service elsewhere. Not to be called while
// other threads call the service.
void SetSysInfoChannelFactory(TSysInfoChannelFactory factory);

} // namespace typ
