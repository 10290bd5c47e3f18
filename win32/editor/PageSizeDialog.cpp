#include "editor/PageSizeDialog.h"

#include "editor/EditorFont.h"
#include "editor/PageSize.h"
#include "editor/PageSizeDialogLayout.h"
#include "editor/SpinField.h"
#include "editor/WindowClass.h"
#include "platform/HandleOwners.h"
#include "platform/WideText.h"
#include "platform/WindowProc.h"

#include <algorithm>
#include <commctrl.h>
#include <string>

namespace typ::win {

namespace {

using namespace typ::page_dialog;

constexpr wchar_t kClassName[] = L"TfrmConfigPagina";
constexpr int kWidthId = 101;
constexpr int kHeightId = 102;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

struct TPageDialog {
    // The dialog window's messages, through WindowProc.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND Window = nullptr;
    HWND WidthField = nullptr;
    HWND HeightField = nullptr;
    bool Done = false;
    bool Accepted = false;
    TPageSize Size;
};

// The first way out counts. Closing may come from a message sent by another
// thread, which the modal loop's GetMessageW handles without returning; the
// posted wake-up ends the loop.
void Finish(TPageDialog& dialog, bool accepted) {
    if (dialog.Done)
        return;
    if (accepted)
        dialog.Size = AcceptedPageSize(FieldText(dialog.WidthField), FieldText(dialog.HeightField));
    dialog.Accepted = accepted;
    dialog.Done = true;
    PostMessageW(dialog.Window, WM_NULL, 0, 0);
}

// The 5-pixel border lies outside the client area, as a form's border width does.
void PaintBorder(HWND window) {
    RECT frame;
    RECT client;
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -frame.left, -frame.top);
    RECT border = client;
    InflateRect(&border, kBorderWidth, kBorderWidth);
    const HDC dc = GetWindowDC(window);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    FillRect(dc, &border, GetSysColorBrush(COLOR_BTNFACE));
    ReleaseDC(window, dc);
}

void PaintUpperPanel(HWND window) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT panel{kUpperPanel.Left, kUpperPanel.Top, kUpperPanel.Left + kUpperPanel.Width,
               kUpperPanel.Top + kUpperPanel.Height};
    DrawEdge(dc, &panel, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);
    EndPaint(window, &paint);
}

LRESULT TPageDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCALCSIZE: {
        DefWindowProcW(Window, message, wParam, lParam);
        InflateRect(reinterpret_cast<RECT*>(lParam), -kBorderWidth, -kBorderWidth);
        return 0;
    }
    case WM_NCPAINT:
        DefWindowProcW(Window, message, wParam, lParam);
        PaintBorder(Window);
        return 0;
    case WM_PAINT:
        PaintUpperPanel(Window);
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            Finish(*this, LOWORD(wParam) == IDOK);
        return 0;
    case WM_CLOSE:
        Finish(*this, false);
        return 0;
    default:
        return DefWindowProcW(Window, message, wParam, lParam);
    }
}

HWND AddControl(HWND parent, const wchar_t* className, std::u16string_view text, DWORD style,
                TBox box, int id, HFONT font) {
    const HWND control = CreateWindowExW(
        0, className, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, box.Left, box.Top,
        box.Width, box.Height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

int TextWidth(HWND control, HFONT font, std::u16string_view text) {
    const HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, font);
    const std::wstring wide = Wide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size.cx;
}

// A label sized to its text, as the layout's sizes were: where this system's
// face is wider, the label widens rather than cutting its text.
void AddLabel(HWND parent, std::u16string_view text, TBox box, HFONT font) {
    const HWND label = AddControl(parent, L"STATIC", text, SS_LEFTNOWORDWRAP, box, -1, font);
    const int width = std::max(box.Width, TextWidth(label, font, text));
    SetWindowPos(label, nullptr, 0, 0, width, box.Height, SWP_NOMOVE | SWP_NOZORDER);
}

// Buttons sit on the button panel, below the upper panel.
TBox OnButtonPanel(TBox box) {
    return {kButtonPanel.Left + box.Left, kButtonPanel.Top + box.Top, box.Width, box.Height};
}

// Created in tab order: width, height, then the buttons.
void AddControls(TPageDialog& dialog, int width, int height, HFONT font) {
    const HWND window = dialog.Window;
    AddLabel(window, kWidthLabel, kWidthLabelBox, font);
    dialog.WidthField =
        CreateSpinField(window, kWidthId, kWidthField,
                        {kPageFieldMinimum, kPageWidthMaximum, kPageFieldMaxLength}, width, font);
    AddLabel(window, kUnitLabel, kWidthUnitBox, font);
    AddLabel(window, kHeightLabel, kHeightLabelBox, font);
    dialog.HeightField =
        CreateSpinField(window, kHeightId, kHeightField,
                        {kPageFieldMinimum, kPageHeightMaximum, kPageFieldMaxLength}, height, font);
    AddLabel(window, kUnitLabel, kHeightUnitBox, font);
    AddControl(window, L"BUTTON", kAccept, WS_TABSTOP | BS_DEFPUSHBUTTON,
               OnButtonPanel(kAcceptButton), IDOK, font);
    AddControl(window, L"BUTTON", kCancel, WS_TABSTOP | BS_PUSHBUTTON, OnButtonPanel(kCancelButton),
               IDCANCEL, font);
}

HWND CreateDialogWindow(HWND owner, TPageDialog& dialog) {
    WNDCLASSEXW windowClass =
        WindowClass(kClassName, WindowProc<TPageDialog, &TPageDialog::Window>, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    RegisterOnce(windowClass);
    RECT frame{0, 0, kClientWidth + 2 * kBorderWidth, kClientHeight + 2 * kBorderWidth};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    return CreateWindowExW(kExStyle, kClassName, Wide(kCaption).c_str(), kStyle, kScreenLeft,
                           kScreenTop, frame.right - frame.left, frame.bottom - frame.top, owner,
                           nullptr, GetModuleHandleW(nullptr), &dialog);
}

// Tab, Enter (Aceptar) and Escape (Cancelar) work as in a dialog box. A quit
// message ends the dialog unaccepted and is left for the outer loop.
void RunModalLoop(TPageDialog& dialog) {
    MSG message;
    while (!dialog.Done) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1)
            break;
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!IsDialogMessageW(dialog.Window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void FocusField(HWND field) {
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
}

} // namespace

bool ShowPageSizeDialog(HWND owner, int& width, int& height) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    TPageDialog dialog;
    const TOwnedFont font(CreateUiFont());
    dialog.Window = CreateDialogWindow(owner, dialog);
    if (dialog.Window == nullptr)
        return false;
    AddControls(dialog, width, height, font.Get());
    const bool ownerWasEnabled = owner != nullptr && !EnableWindow(owner, FALSE);
    ShowWindow(dialog.Window, SW_SHOWNORMAL);
    SetForegroundWindow(dialog.Window);
    FocusField(dialog.WidthField);
    RunModalLoop(dialog);
    // The owner takes the activation back before the dialog goes away.
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    DestroyWindow(dialog.Window);
    if (!dialog.Accepted)
        return false;
    width = dialog.Size.Width;
    height = dialog.Size.Height;
    return true;
}

} // namespace typ::win
