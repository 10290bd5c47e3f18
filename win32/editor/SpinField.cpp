#include "editor/SpinField.h"

#include "platform/WideText.h"

#include <algorithm>
#include <commctrl.h>
#include <vector>

namespace typ::win {

HWND CreateSpinField(HWND parent, int id, page_dialog::TBox box, const TSpinRange& range, int value,
                     HFONT font) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // The arrows take the right end of the box, the edit control the rest.
    const int arrowsWidth = std::min(GetSystemMetrics(SM_CXVSCROLL), box.Width);
    const int editWidth = box.Width - arrowsWidth;
    const HWND edit = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
        box.Left, box.Top, editWidth, box.Height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(range.MaxLength), 0);
    const HWND arrows = CreateWindowExW(
        0, UPDOWN_CLASSW, L"",
        WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
        box.Left + editWidth, box.Top, arrowsWidth, box.Height, parent, nullptr, instance, nullptr);
    SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    // The arrows keep their part of the box, whatever size the control
    // gives itself on getting its buddy.
    SetWindowPos(arrows, nullptr, box.Left + editWidth, box.Top, arrowsWidth, box.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(arrows, UDM_SETRANGE32, static_cast<WPARAM>(range.Minimum),
                 static_cast<LPARAM>(range.Maximum));
    SendMessageW(arrows, UDM_SETPOS32, 0,
                 static_cast<LPARAM>(std::clamp(value, range.Minimum, range.Maximum)));
    SetWindowTextW(edit, std::to_wstring(value).c_str());
    return edit;
}

std::u16string FieldText(HWND edit) {
    std::vector<wchar_t> text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1);
    const int length = GetWindowTextW(edit, text.data(), static_cast<int>(text.size()));
    return Utf16(std::wstring_view(text.data(), static_cast<std::size_t>(length)));
}

} // namespace typ::win
