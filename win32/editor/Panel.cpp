#include "editor/Panel.h"

#include "editor/WindowClass.h"

namespace typ::win {

namespace {

constexpr wchar_t kClassName[] = L"TypPanel";

bool IsForwarded(UINT message) {
    return message == WM_COMMAND || message == WM_NOTIFY || message == WM_CONTEXTMENU;
}

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(window, &client);
        const auto color = static_cast<int>(GetWindowLongPtrW(window, GWLP_USERDATA));
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(color));
        return 1;
    } else if (IsForwarded(message)) {
        return SendMessageW(GetParent(window), message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterPanelClass() {
    RegisterOnce(WindowClass(kClassName, PanelProc, IDC_ARROW));
}

} // namespace

HWND CreatePanel(HWND parent, int systemColor, DWORD style, DWORD exStyle) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterPanelClass();
    return CreateWindowExW(exStyle, kClassName, L"", style | WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0,
                           parent, nullptr, instance,
                           reinterpret_cast<void*>(static_cast<INT_PTR>(systemColor)));
}

} // namespace typ::win
