#pragma once

#include <windows.h>
#include <chrono>
#include <optional>

namespace typ::bench {

// One key seen through the camera: the strip is grabbed, the key goes down,
// the strip is read back until it changes, then the key goes up. The time
// from key down to changed pixels, or none when nothing changed in time.
std::optional<double> KeyToPixelsMs(const RECT& strip, WORD key, std::chrono::milliseconds timeout);

} // namespace typ::bench
