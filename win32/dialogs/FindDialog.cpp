#include "dialogs/FindDialog.h"

#include "dialogs/FindRouting.h"

#include <algorithm>

namespace typ::win {
namespace {

constexpr const wchar_t* kSelfProperty = L"typ.FindDialog";
constexpr int kFindEdit = 1152;
constexpr int kReplaceEdit = 1153;
constexpr std::size_t kTextLength = 255;

struct TFlagPair {
    TFindOption Option;
    DWORD Flag;
};

// The options the dialog shows, then the two that tell its replace buttons apart.
constexpr TFlagPair kFlagPairs[] = {
    {frDown, FR_DOWN},       {frMatchCase, FR_MATCHCASE},   {frWholeWord, FR_WHOLEWORD},
    {frReplace, FR_REPLACE}, {frReplaceAll, FR_REPLACEALL},
};
constexpr std::size_t kShownOptions = 3;

DWORD FlagsOf(TFindOptions options) {
    DWORD flags = 0;
    for (std::size_t i = 0; i < kShownOptions; ++i)
        if ((options & kFlagPairs[i].Option) != 0)
            flags |= kFlagPairs[i].Flag;
    return flags;
}

TFindOptions OptionsOf(DWORD flags) {
    TFindOptions options = 0;
    for (const TFlagPair& pair : kFlagPairs)
        if ((flags & pair.Flag) != 0)
            options |= pair.Option;
    return options;
}

void CopyText(const std::u16string& text, std::array<wchar_t, 256>& buffer) {
    const auto end = std::copy_n(text.begin(), std::min(text.size(), kTextLength), buffer.begin());
    *end = L'\0';
}

} // namespace

TFindDialog::~TFindDialog() {
    if (FHandle) {
        TFindRouting::Remove(*this);
        DestroyWindow(FHandle);
    }
}

void TFindDialog::SetFindText(std::u16string text) {
    FFindText = std::move(text);
    PutText(FFindBuffer, kFindEdit, FFindText);
}

void TFindDialog::PutText(std::array<wchar_t, 256>& buffer, int editId,
                          const std::u16string& text) {
    CopyText(text, buffer);
    if (FHandle)
        SetDlgItemTextW(FHandle, editId, buffer.data());
}

std::u16string TFindDialog::TextOf(const std::array<wchar_t, 256>& buffer) {
    const auto end = std::find(buffer.begin(), buffer.end(), L'\0');
    return std::u16string(buffer.begin(), end);
}

bool TFindDialog::Execute(HWND owner) {
    if (FHandle) {
        ShowWindow(FHandle, SW_SHOW);
        SetActiveWindow(FHandle);
        return true;
    }
    FData = FINDREPLACEW{};
    FData.lStructSize = sizeof(FData);
    FData.hwndOwner = owner;
    FData.Flags = FlagsOf(FOptions) | FR_ENABLEHOOK;
    FData.lpfnHook = &TFindDialog::Hook;
    FData.lCustData = reinterpret_cast<LPARAM>(this);
    Prepare(FData);
    TFindRouting::Add(*this);
    const HWND window = CreateDialogWindow(FData);
    if (!window || FGuard.HasPending()) {
        TFindRouting::Remove(*this);
        FHandle = nullptr;
        if (window)
            DestroyWindow(window);
        FGuard.RethrowPending();
        return false;
    }
    FHandle = window;
    return true;
}

void TFindDialog::CloseDialog() {
    if (FHandle) {
        // The dialog notifies its owner and destroys itself.
        SendMessageW(FHandle, WM_COMMAND, IDCANCEL, 0);
    }
}

void TFindDialog::DoShow() {
    if (OnShow)
        OnShow();
}

HWND TFindDialog::CreateDialogWindow(FINDREPLACEW& data) {
    return ::FindTextW(&data);
}

void TFindDialog::Prepare(FINDREPLACEW& data) {
    CopyText(FFindText, FFindBuffer);
    data.lpstrFindWhat = FFindBuffer.data();
    data.wFindWhatLen = static_cast<WORD>(FFindBuffer.size());
}

void TFindDialog::ReadTexts() {
    FFindText = TextOf(FFindBuffer);
}

void TFindDialog::Notified(DWORD flags) {
    if ((flags & FR_FINDNEXT) != 0 && OnFind)
        OnFind();
}

void TFindDialog::Notify() {
    const DWORD flags = FData.Flags;
    ReadTexts();
    FOptions = OptionsOf(flags);
    if ((flags & FR_DIALOGTERM) != 0) {
        Closed();
        return;
    }
    Notified(flags);
}

void TFindDialog::Closed() {
    TFindRouting::Remove(*this);
    FHandle = nullptr;
    if (OnClose)
        OnClose();
}

UINT_PTR CALLBACK TFindDialog::Hook(HWND window, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* data = reinterpret_cast<const FINDREPLACEW*>(lParam);
        auto* self = reinterpret_cast<TFindDialog*>(data->lCustData);
        SetPropW(window, kSelfProperty, self);
        self->FHandle = window;
        self->FGuard.Run([self] { self->DoShow(); });
        return TRUE;
    }
    if (message == WM_DESTROY) {
        // Closed without the owner hearing of it: the owner does not route.
        auto* self = static_cast<TFindDialog*>(RemovePropW(window, kSelfProperty));
        if (self && TFindRouting::Contains(*self))
            self->FGuard.Run([self] { self->Closed(); });
    }
    return 0;
}

void TReplaceDialog::SetReplaceText(std::u16string text) {
    FReplaceText = std::move(text);
    PutText(FReplaceBuffer, kReplaceEdit, FReplaceText);
}

HWND TReplaceDialog::CreateDialogWindow(FINDREPLACEW& data) {
    return ::ReplaceTextW(&data);
}

void TReplaceDialog::Prepare(FINDREPLACEW& data) {
    TFindDialog::Prepare(data);
    CopyText(FReplaceText, FReplaceBuffer);
    data.lpstrReplaceWith = FReplaceBuffer.data();
    data.wReplaceWithLen = static_cast<WORD>(FReplaceBuffer.size());
}

void TReplaceDialog::ReadTexts() {
    TFindDialog::ReadTexts();
    FReplaceText = TextOf(FReplaceBuffer);
}

void TReplaceDialog::Notified(DWORD flags) {
    if ((flags & (FR_REPLACE | FR_REPLACEALL)) == 0)
        TFindDialog::Notified(flags);
    else if (OnReplace)
        OnReplace();
}

} // namespace typ::win
