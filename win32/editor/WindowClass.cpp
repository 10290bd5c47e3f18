#include "editor/WindowClass.h"

namespace typ::win {

WNDCLASSEXW WindowClass(const wchar_t* name, WNDPROC procedure, const wchar_t* cursor) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, cursor);
    windowClass.lpszClassName = name;
    return windowClass;
}

void RegisterOnce(const WNDCLASSEXW& windowClass) {
    WNDCLASSEXW existing{};
    if (!GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &existing))
        RegisterClassExW(&windowClass);
}

} // namespace typ::win
