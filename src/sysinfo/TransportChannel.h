#pragma once

#include "sysinfo/Bytes.h"

namespace typ {

// Carries one remote call to the service and back.
class TTransportChannel {
public:
    virtual ~TTransportChannel() = default;
    // one request payload out, one response payload back
    virtual TBytes Dispatch(const TBytes& request) = 0;
};

} // namespace typ
