#include "editor/ErrorBox.h"

#include "platform/WideText.h"

#include <exception>
#include <string>

namespace typ::win {

namespace {

void ShowError(HWND owner, const std::wstring& message) noexcept {
    MessageBoxW(owner, message.c_str(), L"Error", MB_OK | MB_ICONERROR);
}

} // namespace

void RunGuarded(HWND owner, const std::function<void()>& action) noexcept {
    try {
        action();
    } catch (const std::exception& error) {
        ShowError(owner, WideFromUtf8(error.what()));
    } catch (...) {
        ShowError(owner, L"Error desconocido.");
    }
}

} // namespace typ::win
