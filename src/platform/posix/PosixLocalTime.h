#pragma once

#include "platform/Clock.h"

#include <ctime>

namespace typ::posix {

// A moment of the system clock (a file's change, now) as local calendar time.
inline TDateTime LocalDateTime(const struct timespec& time) {
    std::tm local{};
    localtime_r(&time.tv_sec, &local);
    return TDateTime{local.tm_year + 1900,
                     local.tm_mon + 1,
                     local.tm_mday,
                     local.tm_hour,
                     local.tm_min,
                     local.tm_sec,
                     static_cast<int>(time.tv_nsec / 1000000)};
}

} // namespace typ::posix
