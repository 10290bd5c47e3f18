#include "server/ComRuntime.h"

#include "server/ClassFactory.h"
#include "server/ServerError.h"

#include <objbase.h>
#include <wrl/client.h>

namespace typ::win {

TApartment::TApartment() {
    const HRESULT hr = CoInitialize(nullptr);
    if (FAILED(hr))
        throw EPlatformError(hr, "No se pudo inicializar la biblioteca de objetos.");
}

TApartment::~TApartment() {
    CoUninitialize();
}

TClassObjectRegistration::TClassObjectRegistration(REFCLSID clsid, const TServerContext& context) {
    Microsoft::WRL::ComPtr<IClassFactory> factory;
    factory.Attach(new TClassFactory(context));
    const HRESULT hr = CoRegisterClassObject(clsid, factory.Get(), CLSCTX_LOCAL_SERVER,
                                             REGCLS_SINGLEUSE, &FCookie);
    if (FAILED(hr))
        throw EPlatformError(hr, "No se pudo registrar el objeto de clase.");
}

TClassObjectRegistration::~TClassObjectRegistration() {
    CoRevokeClassObject(FCookie);
}

} // namespace typ::win
