#include "dialogs/OpenDialog.h"

#include "dialogs/FileDialogText.h"

#include <algorithm>
#include <commdlg.h>

namespace typ::win {
namespace {

// Room for many names when several files may be chosen.
constexpr std::size_t kFileBufferLength = 32768;
constexpr const wchar_t* kSelfProperty = L"typ.OpenDialog";
constexpr DWORD kChoiceFlags = OFN_READONLY | OFN_EXTENSIONDIFFERENT;

const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

std::vector<wchar_t> FileBuffer(const std::wstring& proposed) {
    std::vector<wchar_t> buffer(kFileBufferLength, L'\0');
    std::copy_n(proposed.begin(), std::min(proposed.size(), kFileBufferLength - 1), buffer.begin());
    return buffer;
}

} // namespace

bool TOpenDialog::Execute(HWND owner) {
    std::vector<wchar_t> files = FileBuffer(FFileName);
    const std::wstring filter = FilterList(FFilter);
    OPENFILENAMEW data{};
    data.lStructSize = sizeof(data);
    data.hwndOwner = owner;
    data.lpstrFilter = FFilter.empty() ? nullptr : filter.c_str();
    data.nFilterIndex = static_cast<DWORD>(std::max(FFilterIndex, 0));
    data.lpstrFile = files.data();
    data.nMaxFile = static_cast<DWORD>(files.size());
    data.lpstrInitialDir = OrNull(FInitialDir);
    data.lpstrTitle = OrNull(FTitle);
    data.lpstrDefExt = OrNull(FDefaultExt);
    data.Flags = FOptions | OFN_EXPLORER | OFN_ENABLEHOOK;
    data.lpfnHook = &TOpenDialog::Hook;
    data.lCustData = reinterpret_cast<LPARAM>(this);

    const bool chosen = GetOpenFileNameW(&data) != FALSE;
    FHandle = nullptr;
    FGuard.Run([this] {
        if (OnClose)
            OnClose();
    });
    FGuard.RethrowPending();
    if (chosen)
        TakeResult(data, files);
    return chosen;
}

void TOpenDialog::TakeResult(const OPENFILENAMEW& data, const std::vector<wchar_t>& files) {
    FFiles = ChosenFiles(files, data.nFileOffset);
    FFileName = FFiles.empty() ? std::wstring() : FFiles.front();
    FFilterIndex = static_cast<int>(data.nFilterIndex);
    FOptions = (FOptions & ~kChoiceFlags) | (data.Flags & kChoiceFlags);
}

void TOpenDialog::DoShow() {
    if (OnShow)
        OnShow();
}

void TOpenDialog::DoTypeChange() {
    if (OnTypeChange)
        OnTypeChange();
}

void TOpenDialog::Notified(UINT code) {
    const bool handled = FGuard.Run([this, code] {
        if (code == CDN_INITDONE)
            DoShow();
        else if (code == CDN_TYPECHANGE)
            DoTypeChange();
    });
    if (!handled)
        PostMessageW(DialogWindow(), WM_COMMAND, IDCANCEL, 0);
}

UINT_PTR CALLBACK TOpenDialog::Hook(HWND window, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* data = reinterpret_cast<const OPENFILENAMEW*>(lParam);
        auto* self = reinterpret_cast<TOpenDialog*>(data->lCustData);
        SetPropW(window, kSelfProperty, self);
        self->FHandle = window;
        return TRUE;
    }
    auto* self = static_cast<TOpenDialog*>(GetPropW(window, kSelfProperty));
    if (!self)
        return 0;
    if (message == WM_NOTIFY)
        self->Notified(reinterpret_cast<const NMHDR*>(lParam)->code);
    else if (message == WM_DESTROY)
        RemovePropW(window, kSelfProperty);
    return 0;
}

} // namespace typ::win
