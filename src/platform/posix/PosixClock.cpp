#include "platform/Clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace typ {
namespace {

class TPosixClock final : public TClock {
public:
    TDateTime Now() const override {
        const auto now = std::chrono::system_clock::now();
        const auto since = now.time_since_epoch();
        const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
        std::tm local{};
        localtime_r(&seconds, &local);
        const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
        return TDateTime{local.tm_year + 1900,
                         local.tm_mon + 1,
                         local.tm_mday,
                         local.tm_hour,
                         local.tm_min,
                         local.tm_sec,
                         static_cast<int>(millis % 1000)};
    }

    void Sleep(int milliseconds) const override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

} // namespace

TClock& SystemClock() {
    static TPosixClock clock;
    return clock;
}

} // namespace typ
