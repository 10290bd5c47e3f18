#pragma once

#include "Vn_EditorTyp_h.h"
#include "WindowDriver.h"

#include <windows.h>
#include <chrono>
#include <functional>
#include <string>

namespace typ::win {

// Registers the server with its own /RegServer switch, once per process.
// Returns whether it is registered.
bool RegisterServerOnce(const std::wstring& serverExe);

// One ShowEx call, with the person who types into the editor and closes it.
struct TShowCall {
    std::wstring Caption;
    std::wstring Dir = L"C:\\";
    LONG HelpContext = 0;
    LONG HelpContextVar = 0;
    std::wstring HelpFile;
    std::wstring Keys;
    std::function<void(HWND)> WhileShown;
    TCloseWith CloseWith = TCloseWith::Escape;
    std::chrono::milliseconds Timeout{30000};
};

struct TShowResult {
    HRESULT Hr = E_FAIL;
    VARIANT_BOOL Value = VARIANT_FALSE;
    std::wstring Text;     // the text after the call
    bool SameBstr = false; // the text's BSTR is still the one passed in
    TDriveResult Drive;    // what the person saw and did
    std::chrono::milliseconds Elapsed{0};
};

// A host holding one automation object through the vtable of IEditorTypCom,
// in the calling thread's apartment.
class TEditorHost {
public:
    TEditorHost(); // throws std::runtime_error when the object cannot be created
    ~TEditorHost();
    TEditorHost(const TEditorHost&) = delete;
    TEditorHost& operator=(const TEditorHost&) = delete;

    HRESULT Handle(VARIANT& value);
    // The editor window through Handle, or null when Handle fails.
    HWND Window();
    TShowResult Show(const TShowCall& call, const std::wstring& text);

private:
    IEditorTypCom* FEditor = nullptr;
};

} // namespace typ::win
