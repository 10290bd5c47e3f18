#include "platform/Clock.h"

#include <windows.h>

namespace typ {
namespace {

class TWin32Clock final : public TClock {
public:
    TDateTime Now() const override {
        SYSTEMTIME local{};
        GetLocalTime(&local);
        return TDateTime{local.wYear,   local.wMonth,  local.wDay,         local.wHour,
                         local.wMinute, local.wSecond, local.wMilliseconds};
    }

    void Sleep(int milliseconds) const override { ::Sleep(static_cast<DWORD>(milliseconds)); }
};

} // namespace

TClock& SystemClock() {
    static TWin32Clock clock;
    return clock;
}

} // namespace typ
