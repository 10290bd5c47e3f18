#include "editor/EditorWindowImpl.h"
#include "editor/ErrorBox.h"

namespace typ::win {

BOOL CALLBACK TfrmEditorTYP::TImpl::DisableWindow(HWND window, LPARAM data) {
    auto* impl = reinterpret_cast<TImpl*>(data);
    if (window != impl->Form && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        impl->DisabledWindows.push_back(window);
    }
    return TRUE;
}

void TfrmEditorTYP::TImpl::ShowModal() {
    Window();
    if (IsWindowVisible(Form))
        return;
    DisableOtherWindows();
    Closed = false;
    ShowWindow(Form, Maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    SetForegroundWindow(Form);
    try {
        ShowEvent();
    } catch (...) {
        Hide();
        throw;
    }
    RunModalLoop();
    EnableOtherWindows();
}

// The show event: the grid takes the focus and starts unmodified, then the
// show hook runs.
void TfrmEditorTYP::TImpl::ShowEvent() {
    SetFocus(View->Handle());
    Grid.Editor().SetModified(false);
    Owner.ShowHook();
    View->CaretMoved();
}

// Accelerators apply to the editor window and its controls only. When the
// queue runs dry the idle update runs before the loop waits.
void TfrmEditorTYP::TImpl::RunModalLoop() {
    MSG message;
    while (!Closed) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            IdleUpdate();
            WaitMessage();
            continue;
        }
        if (message.message == WM_QUIT) {
            // The application is ending: close, and leave the quit for the outer loop.
            Close();
            Hide();
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (IsFindReplaceDialogMessage(message))
            continue;
        const bool ours = message.hwnd == Form || IsChild(Form, message.hwnd);
        if (ours && TranslateAcceleratorW(Form, Menus->Accelerators(), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The close query may keep the window open; closing copies the text, then
// the close hook runs and the window hides.
void TfrmEditorTYP::TImpl::Close() {
    if (!IsWindowVisible(Form))
        return;
    RunGuarded(Form, [this] {
        bool canClose = true;
        Owner.CloseQueryHook(canClose);
        if (!canClose)
            return;
        TypInMemo = Grid.Editor().Text();
        Owner.CloseHook();
        Hide();
    });
}

// A close sent from another thread is handled inside GetMessageW without
// returning; the posted wake-up lets the modal loop see that it has ended.
void TfrmEditorTYP::TImpl::Hide() {
    CloseSearchDialogs();
    View->ForgetKeys();
    EnableOtherWindows();
    ShowWindow(Form, SW_HIDE);
    Closed = true;
    PostMessageW(Form, WM_NULL, 0, 0);
}

void TfrmEditorTYP::TImpl::DisableOtherWindows() {
    EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(this));
}

void TfrmEditorTYP::TImpl::EnableOtherWindows() {
    for (const HWND window : DisabledWindows)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    DisabledWindows.clear();
}

} // namespace typ::win
