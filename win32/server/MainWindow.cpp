#include "server/MainWindow.h"

#include "platform/WideText.h"
#include "server/ServerError.h"
#include "server/ServerTexts.h"

namespace typ::win {

namespace {

constexpr wchar_t kClassName[] = L"TfmrEditorTypComMain";

bool UserAgreesToEnd() {
    const std::wstring text = Wide(kComServerWarningText);
    const std::wstring title = Wide(kComServerWarningTitle);
    return MessageBoxW(nullptr, text.c_str(), title.c_str(),
                       MB_TASKMODAL | MB_ICONWARNING | MB_YESNO | MB_DEFBUTTON2) == IDYES;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        break;
    case WM_CLOSE: {
        const auto* lifetime =
            reinterpret_cast<const TServerLifetime*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (!lifetime->MustAskBeforeEnding() || UserAgreesToEnd())
            DestroyWindow(window);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass))
        throw EPlatformError(HRESULT_FROM_WIN32(GetLastError()),
                             "No se pudo registrar la ventana principal.");
}

} // namespace

HWND CreateMainWindow(HINSTANCE instance, const TServerLifetime& lifetime) {
    RegisterMainWindowClass(instance);
    const std::wstring caption = Wide(kMainWindowCaption);
    const HWND window =
        CreateWindowExW(0, kClassName, caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                        const_cast<TServerLifetime*>(&lifetime));
    if (!window)
        throw EPlatformError(HRESULT_FROM_WIN32(GetLastError()),
                             "No se pudo crear la ventana principal.");
    return window;
}

} // namespace typ::win
