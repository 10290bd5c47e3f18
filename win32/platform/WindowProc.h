#pragma once

#include "logging/ManagedLogFile.h"
#include "platform/WideText.h"

#include <windows.h>
#include <exception>
#include <string>

namespace typ::win {

// Writes an error that a window procedure caught to the log; never throws.
inline void LogWindowProcError(UINT message, const std::exception_ptr& error) noexcept {
    try {
        const std::u16string text =
            u"Error en el procedimiento de ventana, mensaje " + Utf16(std::to_wstring(message));
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& caught) {
            TManagedLogFile::Write(ltError, text, caught);
        } catch (...) {
            TManagedLogFile::Write(ltError, text + u": error desconocido");
        }
    } catch (...) {
        // The log itself failed: nothing is left to tell.
    }
}

// The window procedure of every window class of ours. A window belongs to an
// object of type T, passed as the creation parameter of CreateWindowExW: at
// WM_NCCREATE the object's `Handle` member gets the window and the window
// keeps the object, until WM_NCDESTROY lets it go and clears `Handle`, once
// Dispatch has seen it. Messages go to
// `T::Dispatch(message, wParam, lParam)`. No exception leaves the procedure:
// one that escapes Dispatch is logged (ltError) and the message gets its
// default answer, so the window and the process live on.
template <typename T, HWND T::*Handle>
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* created = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->*Handle = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* owner = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (owner == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    try {
        result = owner->Dispatch(message, wParam, lParam);
    } catch (...) {
        LogWindowProcError(message, std::current_exception());
        result = DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY)
        owner->*Handle = nullptr;
    return result;
}

} // namespace typ::win
