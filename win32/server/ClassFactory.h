#pragma once

#include "server/ServerContext.h"

#include <windows.h>
#include <atomic>
#include <unknwn.h>

namespace typ::win {

// The class object offered to the platform: creates automation objects and
// passes the hosts' locks on to the server's lifetime.
class TClassFactory final : public IClassFactory {
public:
    explicit TClassFactory(const TServerContext& context) : FContext(context) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    ~TClassFactory() = default;

    std::atomic<ULONG> FReferences{1};
    const TServerContext& FContext;
};

} // namespace typ::win
