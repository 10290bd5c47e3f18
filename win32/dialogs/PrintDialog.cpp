#include "dialogs/PrintDialog.h"

namespace typ::win {
namespace {

constexpr const wchar_t* kSelfProperty = L"typ.PrintDialog";
// What the user's choices set in the print dialog's flags.
constexpr DWORD kChoiceFlags =
    PD_ALLPAGES | PD_SELECTION | PD_PAGENUMS | PD_CURRENTPAGE | PD_COLLATE | PD_PRINTTOFILE;

// A device context the dialog would create is nobody's to free: not asked for.
constexpr DWORD kNoContext = ~static_cast<DWORD>(PD_RETURNDC | PD_RETURNIC);

WORD PageNumber(int value) {
    return static_cast<WORD>(value < 0 ? 0 : (value > 0xFFFF ? 0xFFFF : value));
}

} // namespace

bool TPrinterDialogBase::Execute(HWND owner) {
    PRINTDLGW data{};
    data.lStructSize = sizeof(data);
    data.hwndOwner = owner;
    data.hDevMode = FPrinter.DevMode();
    data.hDevNames = FPrinter.DevNames();
    data.lCustData = reinterpret_cast<LPARAM>(this);
    Prepare(data);

    const bool confirmed = PrintDlgW(&data) != FALSE;
    FPrinter.Adopt(data.hDevMode, data.hDevNames);
    FHandle = nullptr;
    FGuard.Run([this] {
        if (OnClose)
            OnClose();
    });
    FGuard.RethrowPending();
    if (confirmed)
        Collect(data);
    return confirmed;
}

void TPrinterDialogBase::DoShow() {
    if (OnShow)
        OnShow();
}

UINT_PTR CALLBACK TPrinterDialogBase::Hook(HWND window, UINT message, WPARAM, LPARAM lParam) {
    // Hooked twice over (print and set-up hook), the dialog is still shown once.
    if (message == WM_INITDIALOG && !GetPropW(window, kSelfProperty)) {
        const auto* data = reinterpret_cast<const PRINTDLGW*>(lParam);
        auto* self = reinterpret_cast<TPrinterDialogBase*>(data->lCustData);
        SetPropW(window, kSelfProperty, self);
        self->FHandle = window;
        if (!self->FGuard.Run([self] { self->DoShow(); }))
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }
    if (message == WM_DESTROY)
        RemovePropW(window, kSelfProperty);
    return 0;
}

void TPrintDialog::Prepare(PRINTDLGW& data) {
    data.Flags = (FOptions & kNoContext) | PD_ENABLEPRINTHOOK;
    data.lpfnPrintHook = &TPrinterDialogBase::Hook;
    data.nCopies = PageNumber(FCopies);
    data.nFromPage = PageNumber(FFromPage);
    data.nToPage = PageNumber(FToPage);
    data.nMinPage = PageNumber(FMinPage);
    data.nMaxPage = PageNumber(FMaxPage);
}

void TPrintDialog::Collect(const PRINTDLGW& data) {
    FCopies = data.nCopies;
    FFromPage = data.nFromPage;
    FToPage = data.nToPage;
    FOptions = (FOptions & ~kChoiceFlags) | (data.Flags & kChoiceFlags);
}

void TPrinterSetupDialog::Prepare(PRINTDLGW& data) {
    // Some implementations hook the set-up dialog through the print hook.
    data.Flags = PD_PRINTSETUP | PD_ENABLESETUPHOOK | PD_ENABLEPRINTHOOK;
    data.lpfnSetupHook = &TPrinterDialogBase::Hook;
    data.lpfnPrintHook = &TPrinterDialogBase::Hook;
}

} // namespace typ::win
