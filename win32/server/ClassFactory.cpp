#include "server/ClassFactory.h"

#include "server/EditorTypCom.h"

#include <new>

namespace typ::win {

HRESULT TClassFactory::QueryInterface(REFIID riid, void** object) {
    if (!object)
        return E_POINTER;
    if (riid != IID_IUnknown && riid != IID_IClassFactory) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

ULONG TClassFactory::AddRef() {
    return ++FReferences;
}

ULONG TClassFactory::Release() {
    const ULONG left = --FReferences;
    if (left == 0)
        delete this;
    return left;
}

HRESULT TClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    auto* created = new (std::nothrow) TEditorTypCom(FContext);
    if (!created)
        return E_OUTOFMEMORY;
    const HRESULT hr = created->QueryInterface(riid, object);
    created->Release();
    return hr;
}

HRESULT TClassFactory::LockServer(BOOL lock) {
    if (lock)
        FContext.Lifetime->Lock();
    else
        FContext.Lifetime->Unlock();
    return S_OK;
}

} // namespace typ::win
