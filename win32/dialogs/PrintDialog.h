#pragma once

#include "dialogs/CallbackGuard.h"
#include "dialogs/PrinterChoice.h"

#include <windows.h>
#include <functional>

// The common dialogs' declarations need <windows.h> first.
#include <commdlg.h>

namespace typ::win {

// What the print and printer set-up dialogs share: a modal run of PrintDlgW
// with a hook, and the printer it leaves chosen, which the next run starts from.
class TPrinterDialogBase {
public:
    TPrinterDialogBase() = default;
    virtual ~TPrinterDialogBase() = default;
    TPrinterDialogBase(const TPrinterDialogBase&) = delete;
    TPrinterDialogBase& operator=(const TPrinterDialogBase&) = delete;

    // Raised when the dialog is about to appear and when it has closed.
    std::function<void()> OnShow;
    std::function<void()> OnClose;

    // Shows the dialog modally; true when the user confirmed it. False as
    // well when no printer is installed (the platform says so to the user).
    // What an event raised cancels the dialog and is raised again here.
    bool Execute(HWND owner);
    // The dialog window while it is up.
    HWND Handle() const { return FHandle; }

    // The chosen printer, copied; empty before the first confirmed run.
    TPrinterChoice Printer() const { return FPrinter.Choice(); }
    // The dialog's own DEVMODE and DEVNAMES blocks, valid until the next
    // Execute or the dialog's end.
    HGLOBAL DevMode() const { return FPrinter.DevMode(); }
    HGLOBAL DevNames() const { return FPrinter.DevNames(); }
    // The printer the next Execute starts from: the dialog takes these blocks
    // (either may be null) and frees the ones it held.
    void StartFrom(HGLOBAL devMode, HGLOBAL devNames) { FPrinter.Replace(devMode, devNames); }

protected:
    virtual void DoShow();
    // Sets the dialog's own flags and hook into the data before the run.
    virtual void Prepare(PRINTDLGW& data) = 0;
    // Reads the user's choices after a confirmed run (the printer is kept anyway).
    virtual void Collect(const PRINTDLGW&) {}
    static UINT_PTR CALLBACK Hook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    TPrinterHandles FPrinter;
    HWND FHandle = nullptr;
    TCallbackGuard FGuard;
};

// The platform's print dialog: copies, page range and its options.
class TPrintDialog : public TPrinterDialogBase {
public:
    int Copies() const { return FCopies; }
    void SetCopies(int copies) { FCopies = copies; }
    int FromPage() const { return FFromPage; }
    void SetFromPage(int page) { FFromPage = page; }
    int ToPage() const { return FToPage; }
    void SetToPage(int page) { FToPage = page; }
    int MinPage() const { return FMinPage; }
    void SetMinPage(int page) { FMinPage = page; }
    int MaxPage() const { return FMaxPage; }
    void SetMaxPage(int page) { FMaxPage = page; }
    // PD_* flags (PD_PAGENUMS, PD_SELECTION, PD_COLLATE, PD_PRINTTOFILE,
    // PD_NOSELECTION...); Execute sets the ones the user chose. No device
    // context is returned (PD_RETURNDC and PD_RETURNIC are left out): make
    // one from Printer().
    DWORD Options() const { return FOptions; }
    void SetOptions(DWORD options) { FOptions = options; }

protected:
    void Prepare(PRINTDLGW& data) override;
    void Collect(const PRINTDLGW& data) override;

private:
    int FCopies = 1;
    int FFromPage = 0;
    int FToPage = 0;
    int FMinPage = 0;
    int FMaxPage = 0;
    DWORD FOptions = 0;
};

// The platform's printer set-up dialog (the print dialog in set-up mode):
// printer, paper and orientation. Its result is Printer().
class TPrinterSetupDialog : public TPrinterDialogBase {
protected:
    void Prepare(PRINTDLGW& data) override;
};

} // namespace typ::win
