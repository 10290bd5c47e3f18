#pragma once

#include "server/ServerLifetime.h"

#include <windows.h>
#include <oaidl.h>
#include <string>

namespace typ::win {

// What the class factory hands to every object it creates.
struct TServerContext {
    ITypeInfo* DispatchInfo = nullptr;
    ITypeInfo* InterfaceInfo = nullptr;
    // The source of the objects' error information.
    std::wstring ProgId;
    TServerLifetime* Lifetime = nullptr;
    // The hidden main window; set once it exists, before any call is served.
    HWND MainWindow = nullptr;
};

} // namespace typ::win
