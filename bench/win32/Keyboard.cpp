#include "Keyboard.h"

#include <thread>

namespace typ::bench {

namespace {

// Long enough for a window that repaints everything to be idle again.
constexpr auto kSettle = std::chrono::milliseconds(60);

bool IsExtended(WORD key) {
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE:
        return true;
    default:
        return false;
    }
}

} // namespace

void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0u) | (IsExtended(key) ? KEYEVENTF_EXTENDEDKEY : 0u);
    SendInput(1, &input, sizeof(input));
}

void Press(WORD key) {
    SendKey(key, false);
    SendKey(key, true);
    std::this_thread::sleep_for(kSettle);
}

void PressWithControl(WORD key) {
    SendKey(VK_CONTROL, false);
    SendKey(key, false);
    SendKey(key, true);
    SendKey(VK_CONTROL, true);
    std::this_thread::sleep_for(kSettle);
}

} // namespace typ::bench
