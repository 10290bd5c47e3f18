#include "server/TypeLibrary.h"

#include "server/ServerError.h"

#include <oleauto.h>

namespace typ::win {

namespace {

using Microsoft::WRL::ComPtr;

void Check(HRESULT hr, const char* what) {
    if (FAILED(hr))
        throw EPlatformError(hr, what);
}

std::wstring TakeBstr(BSTR text) {
    std::wstring result(text ? text : L"", text ? SysStringLen(text) : 0);
    SysFreeString(text);
    return result;
}

// A dual interface's library entry describes its dispatch side; the vtable side
// is the entry it refers to as implemented type -1.
ComPtr<ITypeInfo> VtableInfo(ITypeInfo* dispatch) {
    HREFTYPE ref = 0;
    Check(dispatch->GetRefTypeOfImplType(-1, &ref), "La interfaz no es dual.");
    ComPtr<ITypeInfo> vtable;
    Check(dispatch->GetRefTypeInfo(ref, vtable.GetAddressOf()), "La interfaz no es dual.");
    return vtable;
}

void ReadLibrary(TServerTypeLibrary& library) {
    BSTR name = nullptr;
    Check(library.Library->GetDocumentation(-1, &name, nullptr, nullptr, nullptr),
          "La biblioteca de tipos no tiene nombre.");
    library.Name = TakeBstr(name);
    TLIBATTR* attributes = nullptr;
    Check(library.Library->GetLibAttr(&attributes), "La biblioteca de tipos no tiene atributos.");
    library.Attributes = *attributes;
    library.Library->ReleaseTLibAttr(attributes);
}

void ReadClass(TServerTypeLibrary& library, REFCLSID clsid) {
    ComPtr<ITypeInfo> coclass;
    Check(library.Library->GetTypeInfoOfGuid(clsid, coclass.GetAddressOf()),
          "La biblioteca de tipos no describe la clase.");
    BSTR name = nullptr;
    BSTR description = nullptr;
    Check(coclass->GetDocumentation(MEMBERID_NIL, &name, &description, nullptr, nullptr),
          "La clase no tiene nombre.");
    library.ClassName = TakeBstr(name);
    library.ClassDescription = TakeBstr(description);
}

} // namespace

TServerTypeLibrary LoadServerTypeLibrary(const std::wstring& file, REFCLSID clsid, REFIID iid) {
    TServerTypeLibrary library;
    Check(LoadTypeLibEx(file.c_str(), REGKIND_NONE, library.Library.GetAddressOf()),
          "No se pudo cargar la biblioteca de tipos.");
    ReadLibrary(library);
    ReadClass(library, clsid);
    Check(library.Library->GetTypeInfoOfGuid(iid, library.DispatchInfo.GetAddressOf()),
          "La biblioteca de tipos no describe la interfaz.");
    library.InterfaceInfo = VtableInfo(library.DispatchInfo.Get());
    return library;
}

} // namespace typ::win
