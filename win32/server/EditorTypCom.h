#pragma once

#include "server/FrmEditorTypNoTaskBar.h"
#include "server/ServerContext.h"

#include <windows.h>
#include <Vn_EditorTyp_h.h>
#include <atomic>
#include <memory>
#include <oaidl.h>

namespace typ::win {

// The automation object a host creates: a dual interface dispatched through the
// type library, error information on failure, and the editor window it shows.
class TEditorTypCom final : public IEditorTypCom, public ISupportErrorInfo {
public:
    explicit TEditorTypCom(const TServerContext& context);
    ~TEditorTypCom();
    TEditorTypCom(const TEditorTypCom&) = delete;
    TEditorTypCom& operator=(const TEditorTypCom&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override;

    HRESULT STDMETHODCALLTYPE Show(BSTR ADirComunes, BSTR ACaption, BSTR* ATypText,
                                   VARIANT_BOOL* Value) override;
    HRESULT STDMETHODCALLTYPE ShowEx(BSTR ADirComunes, BSTR ACaption, LONG HelpContext,
                                     LONG HelpContextVar, BSTR HelpFile, BSTR* ATypText,
                                     VARIANT_BOOL* Value) override;
    HRESULT STDMETHODCALLTYPE Handle(VARIANT* Value) override;

    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override;

    // The editor window, created on first use and kept for the object's life.
    TFrmEditorTypNoTaskBar& EditorForm();

private:
    std::atomic<ULONG> FReferences{1};
    TServerContext FContext;
    std::unique_ptr<TFrmEditorTypNoTaskBar> FfrmEditorTYP;
    // A Show or ShowEx is running the editor modally.
    bool FEditorOpen = false;
};

} // namespace typ::win
