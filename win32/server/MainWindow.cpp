#include "server/MainWindow.h"

#include "platform/WideText.h"
#include "platform/WindowProc.h"
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

void RegisterMainWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass))
        throw EPlatformError(HRESULT_FROM_WIN32(GetLastError()),
                             "No se pudo registrar la ventana principal.");
}

} // namespace

TMainWindow::TMainWindow(HINSTANCE instance, const TServerLifetime& lifetime)
    : FLifetime(lifetime) {
    RegisterMainWindowClass(instance, WindowProc<TMainWindow, &TMainWindow::FHandle>);
    const std::wstring caption = Wide(kMainWindowCaption);
    if (!CreateWindowExW(0, kClassName, caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                         this))
        throw EPlatformError(HRESULT_FROM_WIN32(GetLastError()),
                             "No se pudo crear la ventana principal.");
}

TMainWindow::~TMainWindow() {
    if (FHandle != nullptr)
        SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
}

LRESULT TMainWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = FHandle;
    switch (message) {
    case WM_CLOSE:
        if (!FLifetime.MustAskBeforeEnding() || UserAgreesToEnd())
            DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace typ::win
