#include "platform/Clock.h"
#include "platform/posix/PosixLocalTime.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace typ {
namespace {

class TPosixClock final : public TClock {
public:
    TDateTime Now() const override {
        struct timespec now {};
        clock_gettime(CLOCK_REALTIME, &now);
        return posix::LocalDateTime(now);
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
