#include "Camera.h"

#include "Keyboard.h"
#include "ScreenStrip.h"

#include <thread>

namespace typ::bench {

namespace {

using TClock = std::chrono::steady_clock;

// After the key up: the window repaints what the key up changed before the
// next key goes down, as between a person's keystrokes.
constexpr auto kBetweenKeys = std::chrono::milliseconds(80);

} // namespace

std::optional<double> KeyToPixelsMs(const RECT& strip, WORD key,
                                    std::chrono::milliseconds timeout) {
    const TScreenStrip camera(strip);
    const auto before = camera.Grab();
    const auto down = TClock::now();
    SendKey(key, false);
    std::optional<double> elapsed;
    while (TClock::now() - down < timeout) {
        if (camera.Differs(before)) {
            elapsed = std::chrono::duration<double, std::milli>(TClock::now() - down).count();
            break;
        }
    }
    SendKey(key, true);
    std::this_thread::sleep_for(kBetweenKeys);
    return elapsed;
}

} // namespace typ::bench
