#include "Scenarios.h"

#include "Camera.h"
#include "Caret.h"
#include "Keyboard.h"

#include <functional>

namespace typ::bench {

namespace {

constexpr auto kTimeout = std::chrono::milliseconds(1000);
constexpr int kMostRows = 300;
// Longer than a caret's blink.
constexpr auto kQuietWait = std::chrono::milliseconds(700);

// Each sample's key and strip, the strip taken where the caret is once the
// key is chosen.
TSamples Sample(DWORD thread, int samples, const std::function<WORD(int)>& keyOf,
                RECT (*stripOf)(const TCaretPlace&), std::chrono::milliseconds timeout = kTimeout) {
    TSamples result;
    for (int sample = 0; sample < samples; ++sample) {
        const WORD key = keyOf(sample);
        const auto place = CaretOf(thread);
        const auto ms =
            place ? KeyToPixelsMs(stripOf(*place), key, timeout) : std::optional<double>();
        if (ms)
            result.Ms.push_back(*ms);
        else
            ++result.Missed;
    }
    return result;
}

LONG CaretTop(DWORD thread) {
    const auto place = CaretOf(thread);
    return place ? place->Caret.top : -1;
}

} // namespace

void ToLineStart(int line) {
    PressWithControl(VK_HOME);
    for (int i = 0; i < line; ++i)
        Press(VK_DOWN);
    Press(VK_HOME);
}

TSamples TypeLetters(DWORD thread, int samples, int perLine) {
    return Sample(
        thread, samples,
        [perLine](int sample) {
            if (sample > 0 && sample % perLine == 0)
                Press(VK_HOME);
            return static_cast<WORD>('A' + sample % 26);
        },
        AroundCaret);
}

TSamples MoveCaretSideways(DWORD thread, int samples) {
    return Sample(
        thread, samples, [](int sample) -> WORD { return sample % 2 == 0 ? VK_RIGHT : VK_LEFT; },
        AroundCaret);
}

TSamples PressNothing(DWORD thread, int samples) {
    return Sample(
        thread, samples, [](int) -> WORD { return VK_SHIFT; }, AroundCaret, kQuietWait);
}

// The bottom row is reached when a Down leaves the caret where it was.
TSamples ScrollAtBottom(DWORD thread, int samples) {
    for (int row = 0; row < kMostRows; ++row) {
        const LONG top = CaretTop(thread);
        Press(VK_DOWN);
        if (CaretTop(thread) == top)
            break;
    }
    return Sample(
        thread, samples, [](int) -> WORD { return VK_DOWN; }, CaretRow);
}

} // namespace typ::bench
