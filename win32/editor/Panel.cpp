#include "editor/Panel.h"

#include "editor/WindowClass.h"
#include "platform/WindowProc.h"

namespace typ::win {

namespace {

constexpr wchar_t kClassName[] = L"TypPanel";

bool IsForwarded(UINT message) {
    return message == WM_COMMAND || message == WM_NOTIFY || message == WM_CONTEXTMENU ||
           message == WM_DRAWITEM;
}

} // namespace

TPanel::TPanel(HWND parent, int systemColor, DWORD style, DWORD exStyle) : FColor(systemColor) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterOnce(WindowClass(kClassName, WindowProc<TPanel, &TPanel::FHandle>, IDC_ARROW));
    CreateWindowExW(exStyle, kClassName, L"", style | WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0,
                    parent, nullptr, instance, this);
}

TPanel::~TPanel() {
    if (FHandle != nullptr)
        DestroyWindow(FHandle);
}

LRESULT TPanel::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(FHandle, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(FColor));
        return 1;
    }
    if (IsForwarded(message))
        return SendMessageW(GetParent(FHandle), message, wParam, lParam);
    return DefWindowProcW(FHandle, message, wParam, lParam);
}

} // namespace typ::win
