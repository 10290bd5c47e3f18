#include "EditorHost.h"

#include "ProcessRunner.h"

#include <atomic>
#include <stdexcept>
#include <thread>

namespace typ::win {
namespace {

using namespace std::chrono_literals;

struct TBstr {
    explicit TBstr(const std::wstring& text)
        : Value(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~TBstr() { SysFreeString(Value); }
    TBstr(const TBstr&) = delete;
    TBstr& operator=(const TBstr&) = delete;
    BSTR Value;
};

bool WaitForReturn(const std::atomic<bool>& returned, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!returned) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::wstring TextOf(BSTR text) {
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

} // namespace

bool RegisterServerOnce(const std::wstring& serverExe) {
    static const bool registered = [&] {
        const auto run = RunProcess(serverExe, {L"/RegServer"}, 30s);
        return run.Started && !run.TimedOut && run.ExitCode == 0;
    }();
    return registered;
}

TEditorHost::TEditorHost() {
    const HRESULT hr = CoCreateInstance(CLSID_EditorTypCom, nullptr, CLSCTX_LOCAL_SERVER,
                                        IID_IEditorTypCom, reinterpret_cast<void**>(&FEditor));
    if (FAILED(hr)) {
        throw std::runtime_error("CoCreateInstance failed: " + std::to_string(hr));
    }
}

TEditorHost::~TEditorHost() {
    FEditor->Release();
}

HRESULT TEditorHost::Handle(VARIANT& value) {
    VariantInit(&value);
    return FEditor->Handle(&value);
}

HWND TEditorHost::Window() {
    VARIANT value;
    if (FAILED(Handle(value)) || value.vt != VT_I4) {
        return nullptr;
    }
    return reinterpret_cast<HWND>(static_cast<LONG_PTR>(value.lVal));
}

TShowResult TEditorHost::Show(const TShowCall& call, const std::wstring& text) {
    TShowResult result;
    const TDriveRequest drive{call.Caption, call.Keys,      Window(),    call.WhileShown,
                              {},           call.CloseWith, call.Timeout};
    std::atomic<bool> returned = false;
    // Once the editor is closed the call must return; if it does not, the
    // server is ended so that the test fails instead of waiting for ever.
    std::thread person([&] {
        result.Drive = DriveEditor(drive);
        if (!WaitForReturn(returned, drive.Timeout)) {
            result.Drive.Problem += L" ShowEx did not return after the editor closed";
            EndOwnerProcess(drive.Window);
        }
    });
    const TBstr dir(call.Dir);
    const TBstr caption(call.Caption);
    const TBstr helpFile(call.HelpFile);
    TBstr typText(text);
    const BSTR passed = typText.Value;
    const auto start = std::chrono::steady_clock::now();
    result.Hr = FEditor->ShowEx(dir.Value, caption.Value, call.HelpContext, call.HelpContextVar,
                                helpFile.Value, &typText.Value, &result.Value);
    returned = true;
    result.Elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    person.join();
    result.Text = TextOf(typText.Value);
    result.SameBstr = typText.Value == passed;
    return result;
}

} // namespace typ::win
