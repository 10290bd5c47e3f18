#pragma once

#include <windows.h>
#include <oaidl.h>
#include <string>
#include <wrl/client.h>

namespace typ::win {

// The type library embedded in the server's executable, with what the class
// factory and the automation object read from it.
struct TServerTypeLibrary {
    Microsoft::WRL::ComPtr<ITypeLib> Library;
    // The interface as late-bound callers see it, and its vtable description,
    // through which calls are dispatched.
    Microsoft::WRL::ComPtr<ITypeInfo> DispatchInfo;
    Microsoft::WRL::ComPtr<ITypeInfo> InterfaceInfo;
    std::wstring Name;
    std::wstring ClassName;
    std::wstring ClassDescription;
    TLIBATTR Attributes{};
};

// Loads the library from `file` without registering it. Throws EPlatformError
// when it is missing or lacks the class or the interface.
TServerTypeLibrary LoadServerTypeLibrary(const std::wstring& file, REFCLSID clsid, REFIID iid);

} // namespace typ::win
