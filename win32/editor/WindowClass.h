#pragma once

#include <windows.h>

namespace typ::win {

// A window class of this module with its procedure and cursor; callers add
// the rest (style, icon, background) before registering.
WNDCLASSEXW WindowClass(const wchar_t* name, WNDPROC procedure, const wchar_t* cursor);

// Registers the class unless this module already did.
void RegisterOnce(const WNDCLASSEXW& windowClass);

} // namespace typ::win
