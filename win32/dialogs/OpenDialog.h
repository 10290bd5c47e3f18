#pragma once

#include "dialogs/CallbackGuard.h"

#include <windows.h>
#include <commdlg.h>
#include <functional>
#include <string>
#include <vector>

namespace typ::win {

// The platform's open-file dialog, explorer style with a hook. Set the
// properties, call Execute, read the results. A derived wrapper acts on the
// dialog while it is up through DoShow and DoTypeChange.
class TOpenDialog {
public:
    TOpenDialog() = default;
    virtual ~TOpenDialog() = default;
    TOpenDialog(const TOpenDialog&) = delete;
    TOpenDialog& operator=(const TOpenDialog&) = delete;

    // Descriptions and patterns alternating, separated by "|":
    // "Plantillas (*.typ)|*.typ|Todos los archivos (*.*)|*.*".
    const std::wstring& Filter() const { return FFilter; }
    void SetFilter(std::wstring filter) { FFilter = std::move(filter); }
    // The selected pair of the filter, from 1; Execute sets the user's choice.
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int index) { FFilterIndex = index; }
    // The window title; empty for the dialog's own.
    const std::wstring& Title() const { return FTitle; }
    void SetTitle(std::wstring title) { FTitle = std::move(title); }
    // The proposed name before Execute, the chosen file (the first one) after.
    const std::wstring& FileName() const { return FFileName; }
    void SetFileName(std::wstring name) { FFileName = std::move(name); }
    const std::wstring& InitialDir() const { return FInitialDir; }
    void SetInitialDir(std::wstring directory) { FInitialDir = std::move(directory); }
    // Added to a typed name without extension, without the dot ("typ").
    const std::wstring& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(std::wstring extension) { FDefaultExt = std::move(extension); }
    // OFN_* flags (OFN_FILEMUSTEXIST, OFN_ALLOWMULTISELECT, OFN_HIDEREADONLY...).
    // The dialog always runs with OFN_EXPLORER and OFN_ENABLEHOOK too; Execute
    // updates OFN_READONLY and OFN_EXTENSIONDIFFERENT from the user's choice.
    DWORD Options() const { return FOptions; }
    void SetOptions(DWORD options) { FOptions = options; }
    // Every chosen file with its full path, after a successful Execute.
    const std::vector<std::wstring>& Files() const { return FFiles; }

    // Raised when the dialog is about to appear, when the user picks another
    // file type, and when the dialog has closed.
    std::function<void()> OnShow;
    std::function<void()> OnTypeChange;
    std::function<void()> OnClose;

    // Shows the dialog modally; true when the user chose a file. What an event
    // raised cancels the dialog and is raised again here.
    bool Execute(HWND owner);
    // The wrapper's own window while the dialog is up: the hook's child of the
    // dialog window.
    HWND Handle() const { return FHandle; }

protected:
    // The dialog window, parent of Handle(), where the controls are.
    HWND DialogWindow() const { return FHandle ? GetParent(FHandle) : nullptr; }
    virtual void DoShow();
    virtual void DoTypeChange();

private:
    static UINT_PTR CALLBACK Hook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Notified(UINT code);
    void TakeResult(const OPENFILENAMEW& data, const std::vector<wchar_t>& files);

    std::wstring FFilter;
    int FFilterIndex = 1;
    std::wstring FTitle;
    std::wstring FFileName;
    std::wstring FInitialDir;
    std::wstring FDefaultExt;
    DWORD FOptions = 0;
    std::vector<std::wstring> FFiles;
    HWND FHandle = nullptr;
    TCallbackGuard FGuard;
};

} // namespace typ::win
