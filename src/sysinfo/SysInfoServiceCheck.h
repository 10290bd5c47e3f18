#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace typ {

// The system-information service is not there or not running; the message
// (UTF-8) is the Spanish text the stub reports.
class ESysInfoServiceState : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The Windows service of the system-information service.
inline constexpr char16_t kSysInfoServiceName[] = u"VnSysInfoService";

// The name of a service state in messages; empty for running.
std::u16string ServiceStateName(std::uint8_t state);

// Makes sure the service runs before a call: a stopped service is asked again
// up to four times in all, with the wait of ReadReattemptsSleep() after each
// stopped answer (Clock().Sleep), capped at 60 seconds (the cap is logged as
// ltTech). Raises ESysInfoServiceState when the state
// cannot be read or the service does not end up running.
void CheckSysInfoService();

} // namespace typ
