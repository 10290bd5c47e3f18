#pragma once

#include <cstdint>
#include <string>

namespace typ {

// The service states as the service control manager numbers them; 0 stands
// for any value outside 1 to 7.
inline constexpr std::uint8_t kServiceStateUnknown = 0;
inline constexpr std::uint8_t kServiceStopped = 1;
inline constexpr std::uint8_t kServiceStartPending = 2;
inline constexpr std::uint8_t kServiceStopPending = 3;
inline constexpr std::uint8_t kServiceRunning = 4;
inline constexpr std::uint8_t kServiceContinuePending = 5;
inline constexpr std::uint8_t kServicePausePending = 6;
inline constexpr std::uint8_t kServicePaused = 7;

// The platform's current-state value as one byte: itself when 1 to 7, else 0.
std::uint8_t ServiceStateFromPlatform(std::uint32_t currentState);

// Asks the service control manager for the state of a service.
class TServiceStateSource {
public:
    virtual ~TServiceStateSource() = default;
    // True when the state was read; State is 0 whenever it was not. An empty
    // MachineName is the local machine.
    virtual bool GetServiceState(const std::u16string& MachineName,
                                 const std::u16string& ServiceName, std::uint8_t& State) const = 0;
};

// The operating system's service control manager, defined by the platform
// implementation (where there is none, no state can ever be read).
TServiceStateSource& SystemServiceStateSource();

// The source the core uses: the system's unless SetServiceStateSource
// installed another.
TServiceStateSource& ServiceStateSource();

// Installs a source for the whole process (nullptr restores the system's),
// for runs that need known service states.
void SetServiceStateSource(TServiceStateSource* source);

// The state of a service through ServiceStateSource().
bool GetServiceState(const std::u16string& MachineName, const std::u16string& ServiceName,
                     std::uint8_t& State);

} // namespace typ
