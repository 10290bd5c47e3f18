#include "server/EditorTypCom.h"

#include "server/ByRefArguments.h"
#include "server/ErrorInfo.h"
#include "server/HostedEdit.h"
#include "server/ServerError.h"
#include "server/ServerTexts.h"

#include <new>

namespace typ::win {

namespace {

std::u16string TextOf(BSTR text) {
    return text ? std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text))
                : std::u16string();
}

BSTR NewBstr(const std::u16string& text) {
    BSTR result = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                    static_cast<UINT>(text.size()));
    if (!result)
        throw std::bad_alloc();
    return result;
}

// A missing out pointer is the caller's mistake: no error information, and
// none left over from an earlier call.
HRESULT NullPointer() {
    SetErrorInfo(0, nullptr);
    return E_POINTER;
}

// "A method was called at an unexpected time."
constexpr std::int32_t kIllegalMethodCall = static_cast<std::int32_t>(0x8000000Eu);

// Marks the editor open for the length of one modal run.
class TOpenRun {
public:
    explicit TOpenRun(bool& open) : FOpen(open) {
        if (FOpen)
            throw EPlatformError(kIllegalMethodCall, std::string(kEditorAlreadyOpenText));
        FOpen = true;
    }
    ~TOpenRun() { FOpen = false; }
    TOpenRun(const TOpenRun&) = delete;
    TOpenRun& operator=(const TOpenRun&) = delete;

private:
    bool& FOpen;
};

void CenterOnScreen(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

TEditorTypCom::TEditorTypCom(const TServerContext& context) : FContext(context) {
    FContext.DispatchInfo->AddRef();
    FContext.InterfaceInfo->AddRef();
    FContext.Lifetime->ObjectCreated();
}

TEditorTypCom::~TEditorTypCom() {
    FfrmEditorTYP.reset();
    FContext.InterfaceInfo->Release();
    FContext.DispatchInfo->Release();
    FContext.Lifetime->ObjectDestroyed();
}

HRESULT TEditorTypCom::QueryInterface(REFIID riid, void** object) {
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IEditorTypCom) {
        *object = static_cast<IEditorTypCom*>(this);
    } else if (riid == IID_ISupportErrorInfo) {
        *object = static_cast<ISupportErrorInfo*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG TEditorTypCom::AddRef() {
    return ++FReferences;
}

ULONG TEditorTypCom::Release() {
    const ULONG left = --FReferences;
    if (left == 0)
        delete this;
    return left;
}

HRESULT TEditorTypCom::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT TEditorTypCom::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (!info)
        return E_POINTER;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    FContext.DispatchInfo->AddRef();
    *info = FContext.DispatchInfo;
    return S_OK;
}

HRESULT TEditorTypCom::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    return DispGetIDsOfNames(FContext.DispatchInfo, names, count, ids);
}

HRESULT TEditorTypCom::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                              VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    try {
        TByRefArguments arguments(params);
        return FContext.InterfaceInfo->Invoke(static_cast<IEditorTypCom*>(this), id, flags,
                                              arguments.Params(), result, exception, argumentError);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT TEditorTypCom::Show(BSTR ADirComunes, BSTR ACaption, BSTR* ATypText, VARIANT_BOOL* Value) {
    return ShowEx(ADirComunes, ACaption, 0, 0, nullptr, ATypText, Value);
}

HRESULT TEditorTypCom::ShowEx(BSTR ADirComunes, BSTR ACaption, LONG HelpContext,
                              LONG HelpContextVar, BSTR HelpFile, BSTR* ATypText,
                              VARIANT_BOOL* Value) {
    if (!ATypText || !Value)
        return NullPointer();
    // A call arriving while the modal run dispatches messages would replace
    // the text being edited.
    return SafeCall(FContext.ProgId, IID_IEditorTypCom, [&] {
        const TOpenRun run(FEditorOpen);
        const THostedRequest request{TextOf(ADirComunes), TextOf(ACaption), HelpContext,
                                     HelpContextVar, TextOf(HelpFile)};
        const auto edited = EditHosted(EditorForm(), request, TextOf(*ATypText));
        if (!edited) {
            *Value = VARIANT_FALSE;
            return;
        }
        BSTR text = NewBstr(*edited);
        SysFreeString(*ATypText);
        *ATypText = text;
        *Value = VARIANT_TRUE;
    });
}

HRESULT TEditorTypCom::Handle(VARIANT* Value) {
    if (!Value)
        return NullPointer();
    return SafeCall(FContext.ProgId, IID_IEditorTypCom, [&] {
        const HWND window = EditorForm().Handle();
        VariantClear(Value);
        Value->vt = VT_I4;
        Value->lVal = static_cast<LONG>(reinterpret_cast<LONG_PTR>(window));
    });
}

HRESULT TEditorTypCom::InterfaceSupportsErrorInfo(REFIID riid) {
    return riid == IID_IEditorTypCom ? S_OK : S_FALSE;
}

TFrmEditorTypNoTaskBar& TEditorTypCom::EditorForm() {
    if (!FfrmEditorTYP) {
        auto form = std::make_unique<TFrmEditorTypNoTaskBar>(FContext.MainWindow);
        // Owned by the hidden main window, the editor gets no task-bar button.
        SetWindowLongPtrW(form->Handle(), GWLP_HWNDPARENT,
                          reinterpret_cast<LONG_PTR>(FContext.MainWindow));
        CenterOnScreen(form->Handle());
        FfrmEditorTYP = std::move(form);
    }
    return *FfrmEditorTYP;
}

} // namespace typ::win
