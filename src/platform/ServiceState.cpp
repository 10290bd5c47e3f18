#include "platform/ServiceState.h"

#include <atomic>

namespace typ {
namespace {

std::atomic<TServiceStateSource*> g_source{nullptr};

} // namespace

std::uint8_t ServiceStateFromPlatform(std::uint32_t currentState) {
    return currentState >= kServiceStopped && currentState <= kServicePaused
               ? static_cast<std::uint8_t>(currentState)
               : kServiceStateUnknown;
}

TServiceStateSource& ServiceStateSource() {
    TServiceStateSource* source = g_source.load();
    return source != nullptr ? *source : SystemServiceStateSource();
}

void SetServiceStateSource(TServiceStateSource* source) {
    g_source.store(source);
}

bool GetServiceState(const std::u16string& MachineName, const std::u16string& ServiceName,
                     std::uint8_t& State) {
    State = kServiceStateUnknown;
    return ServiceStateSource().GetServiceState(MachineName, ServiceName, State);
}

} // namespace typ
