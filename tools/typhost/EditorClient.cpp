#include "EditorClient.h"

#include "HostError.h"
#include "SystemMessage.h"
#include "Vn_EditorTyp_h.h"

#include <windows.h>
#include <cstdio>
#include <memory>

namespace typ::win {
namespace {

struct TReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
struct TBstrFreer {
    void operator()(BSTR text) const { SysFreeString(text); }
};
using TBstr = std::unique_ptr<OLECHAR, TBstrFreer>;

TBstr MakeBstr(const wchar_t* text, std::size_t length) {
    return TBstr(SysAllocStringLen(text, static_cast<UINT>(length)));
}

TBstr MakeBstr(const std::wstring& text) {
    return MakeBstr(text.data(), text.size());
}

std::wstring HresultText(HRESULT hr) {
    wchar_t code[16];
    std::swprintf(code, 16, L"0x%08lX", static_cast<unsigned long>(hr));
    return code;
}

// The description the server attached to its failure, or the system's text.
std::wstring FailureDescription(HRESULT hr) {
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) == S_OK && info) {
        std::unique_ptr<IErrorInfo, TReleaser> owned(info);
        BSTR description = nullptr;
        if (SUCCEEDED(info->GetDescription(&description)) && description) {
            const TBstr ownedDescription(description);
            if (SysStringLen(description) > 0)
                return description;
        }
    }
    return SystemMessage(static_cast<DWORD>(hr));
}

std::unique_ptr<IEditorTypCom, TReleaser> CreateEditor() {
    IEditorTypCom* editor = nullptr;
    const HRESULT hr = CoCreateInstance(CLSID_EditorTypCom, nullptr, CLSCTX_LOCAL_SERVER,
                                        IID_IEditorTypCom, reinterpret_cast<void**>(&editor));
    if (hr == REGDB_E_CLASSNOTREG) {
        throw EHostError(TExitCode::NotRegistered,
                         L"El editor TYP no está registrado (clase Vn_EditorTyp.EditorTypCom). "
                         L"Regístrelo con: Vn_EditorTyp.exe /RegServer");
    }
    if (FAILED(hr)) {
        throw EHostError(TExitCode::CreateFailed, L"No se pudo crear el editor TYP (HRESULT " +
                                                      HresultText(hr) + L"): " +
                                                      SystemMessage(static_cast<DWORD>(hr)));
    }
    return std::unique_ptr<IEditorTypCom, TReleaser>(editor);
}

} // namespace

std::optional<std::u16string> EditThroughServer(const TShowArgs& args, const std::u16string& text) {
    const auto editor = CreateEditor();
    const TBstr dir = MakeBstr(args.Dir);
    const TBstr caption = MakeBstr(args.Caption);
    const TBstr helpFile = MakeBstr(args.HelpFile);
    BSTR typText = MakeBstr(reinterpret_cast<const wchar_t*>(text.data()), text.size()).release();
    VARIANT_BOOL changed = VARIANT_FALSE;
    const HRESULT hr = editor->ShowEx(dir.get(), caption.get(), args.HelpContext,
                                      args.HelpContextVar, helpFile.get(), &typText, &changed);
    const TBstr result(typText);
    if (FAILED(hr)) {
        throw EHostError(TExitCode::CallFailed,
                         L"La llamada ShowEx del editor TYP falló (HRESULT " + HresultText(hr) +
                             L"): " + FailureDescription(hr));
    }
    if (changed == VARIANT_FALSE)
        return std::nullopt;
    const auto* chars = reinterpret_cast<const char16_t*>(result.get());
    return std::u16string(chars ? chars : u"", SysStringLen(result.get()));
}

} // namespace typ::win
