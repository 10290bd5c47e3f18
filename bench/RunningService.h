#pragma once

#include "platform/ServiceState.h"

#include <cstdint>
#include <string>

namespace typ::bench {

// A service manager that always says the service runs, so the benchmarks time
// the call and not the state check.
class TRunningService final : public TServiceStateSource {
public:
    bool GetServiceState(const std::u16string&, const std::u16string&,
                         std::uint8_t& State) const override {
        State = kServiceRunning;
        return true;
    }
};

} // namespace typ::bench
