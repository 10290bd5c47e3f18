#pragma once

#include "dialogs/CallbackGuard.h"
#include "editor/FindOptions.h"

#include <windows.h>
#include <array>
#include <functional>
#include <string>

// The common dialogs' declarations need <windows.h> first.
#include <commdlg.h>

// The properties below are named FindText and ReplaceText, as the platform's
// macros for FindTextW and ReplaceTextW are; callers of those functions name
// them in full.
#undef FindText
#undef ReplaceText

namespace typ::win {

struct TFindRouting;

// The platform's modeless find dialog. Execute shows it and returns at once;
// the user's commands reach the owner window as the registered message
// FINDMSGSTRING, so the owner must take part (all on the owner's thread):
//  - its window procedure begins with
//        if (DispatchFindReplaceMessage(message, lParam)) return 0;
//    which raises OnFind / OnReplace / OnClose of the dialog concerned (what
//    they raise comes out of that call: the window procedure must catch it);
//  - its message loop passes every message through
//        if (IsFindReplaceDialogMessage(msg)) continue;
//    before TranslateMessage and DispatchMessage, so that Tab, Enter and
//    Escape work inside the dialog.
class TFindDialog {
public:
    TFindDialog() = default;
    virtual ~TFindDialog();
    TFindDialog(const TFindDialog&) = delete;
    TFindDialog& operator=(const TFindDialog&) = delete;

    // The text searched for: shown when the dialog opens, as typed when an
    // event is raised. At most 255 characters.
    const std::u16string& FindText() const { return FFindText; }
    void SetFindText(std::u16string text);
    // frDown, frMatchCase, frWholeWord as the dialog shows them; in OnReplace
    // also frReplace or frReplaceAll for the button pressed.
    TFindOptions Options() const { return FOptions; }
    void SetOptions(TFindOptions options) { FOptions = options; }

    // Raised when the dialog is about to appear, for Find Next, and when the
    // dialog has closed.
    std::function<void()> OnShow;
    std::function<void()> OnFind;
    std::function<void()> OnClose;

    // Shows the dialog owned by `owner` (a window of this thread), or brings
    // it to the front when it is open already; false when it could not be
    // created. What OnShow raised closes the dialog and is raised here.
    bool Execute(HWND owner);
    // Closes the dialog if it is open.
    void CloseDialog();
    // The dialog window while it is open, else null.
    HWND Handle() const { return FHandle; }

protected:
    virtual void DoShow();
    // Creates the platform dialog over the prepared data.
    virtual HWND CreateDialogWindow(FINDREPLACEW& data);
    // Sets the dialog's own texts into the data before it is created.
    virtual void Prepare(FINDREPLACEW& data);
    // Reads the dialog's texts back from its buffers.
    virtual void ReadTexts();
    // Raises the event of a command the user gave.
    virtual void Notified(DWORD flags);
    // A text into one of the dialog's buffers; the edit control too when open.
    void PutText(std::array<wchar_t, 256>& buffer, int editId, const std::u16string& text);
    static std::u16string TextOf(const std::array<wchar_t, 256>& buffer);

private:
    friend struct TFindRouting;
    static UINT_PTR CALLBACK Hook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Notify();
    void Closed();

    std::u16string FFindText;
    TFindOptions FOptions = kDefaultFindOptions;
    std::array<wchar_t, 256> FFindBuffer{};
    FINDREPLACEW FData{};
    HWND FHandle = nullptr;
    TCallbackGuard FGuard;
};

// The platform's modeless replace dialog: the find dialog's parts plus the
// replacement text and OnReplace (Options() tells Replace from Replace All).
class TReplaceDialog : public TFindDialog {
public:
    const std::u16string& ReplaceText() const { return FReplaceText; }
    void SetReplaceText(std::u16string text);

    std::function<void()> OnReplace;

protected:
    HWND CreateDialogWindow(FINDREPLACEW& data) override;
    void Prepare(FINDREPLACEW& data) override;
    void ReadTexts() override;
    void Notified(DWORD flags) override;

private:
    std::u16string FReplaceText;
    std::array<wchar_t, 256> FReplaceBuffer{};
};

// See TFindDialog: for the owner's window procedure; true when `message` was
// a find or replace dialog's notification and has been handled.
bool DispatchFindReplaceMessage(UINT message, LPARAM lParam);
// See TFindDialog: for the owner's message loop; true when `msg` belonged to
// an open find or replace dialog and has been processed.
bool IsFindReplaceDialogMessage(MSG& msg);

} // namespace typ::win
