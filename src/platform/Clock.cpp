#include "platform/Clock.h"

#include <atomic>

namespace typ {
namespace {

std::atomic<TClock*> g_clock{nullptr};

} // namespace

TClock& Clock() {
    TClock* clock = g_clock.load();
    return clock != nullptr ? *clock : SystemClock();
}

void SetClock(TClock* clock) {
    g_clock.store(clock);
}

} // namespace typ
