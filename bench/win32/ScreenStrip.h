#pragma once

#include "platform/HandleOwners.h"

#include <windows.h>
#include <cstdint>
#include <vector>

namespace typ::bench {

// A strip of the screen as the camera sees it: the pixels read back from the
// screen's device context, so only what has reached the display counts.
class TScreenStrip {
public:
    explicit TScreenStrip(const RECT& screenRect);
    ~TScreenStrip();
    TScreenStrip(const TScreenStrip&) = delete;
    TScreenStrip& operator=(const TScreenStrip&) = delete;

    std::vector<std::uint32_t> Grab() const;
    // Whether the strip on screen now differs from `picture`.
    bool Differs(const std::vector<std::uint32_t>& picture) const;

private:
    RECT FRect;
    SIZE FSize;
    HDC FScreen;
    win::TOwnedDc FMemory;
    win::TOwnedBitmap FBitmap;
    HGDIOBJ FOldBitmap = nullptr;
    std::uint32_t* FBits = nullptr;
};

} // namespace typ::bench
