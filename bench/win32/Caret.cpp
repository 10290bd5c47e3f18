#include "Caret.h"

#include <algorithm>
#include <thread>

namespace typ::bench {

namespace {

RECT ToScreen(HWND window, RECT rect) {
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT Within(const RECT& rect, const RECT& bounds) {
    RECT inside{};
    IntersectRect(&inside, &rect, &bounds);
    return inside;
}

} // namespace

std::optional<TCaretPlace> CaretOf(DWORD thread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(thread, &info) || info.hwndCaret == nullptr)
        return std::nullopt;
    RECT client{};
    GetClientRect(info.hwndCaret, &client);
    return TCaretPlace{ToScreen(info.hwndCaret, info.rcCaret), ToScreen(info.hwndCaret, client)};
}

std::optional<TCaretPlace> WaitForCaret(DWORD thread) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (const auto place = CaretOf(thread))
            return place;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::nullopt;
}

RECT AroundCaret(const TCaretPlace& place) {
    const LONG height = place.Caret.bottom - place.Caret.top;
    const RECT strip{place.Caret.left - 2 * height, place.Caret.top, place.Caret.left + 4 * height,
                     place.Caret.bottom};
    return Within(strip, place.Client);
}

RECT CaretRow(const TCaretPlace& place) {
    const LONG height = place.Caret.bottom - place.Caret.top;
    const RECT strip{place.Client.left, place.Caret.top, place.Client.left + 40 * height,
                     place.Caret.bottom};
    return Within(strip, place.Client);
}

} // namespace typ::bench
