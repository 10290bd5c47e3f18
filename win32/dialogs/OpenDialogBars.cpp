#include "dialogs/OpenDialogBars.h"

#include "dialogs/Relabel.h"
#include "dialogs/RelabelTables.h"

#include <array>
#include <commctrl.h>
#include <string>

namespace typ::win {
namespace {

// The dialog may hold more than one tool bar (a places bar has no tips): the
// navigation bar is the first that has a tool-tip control.
HWND ToolTipsOfToolBar(HWND dialog) {
    for (HWND bar = FindWindowExW(dialog, nullptr, TOOLBARCLASSNAMEW, nullptr); bar;
         bar = FindWindowExW(dialog, bar, TOOLBARCLASSNAMEW, nullptr))
        if (const auto tips = reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0)))
            return tips;
    return nullptr;
}

void SetToolTip(HWND tips, int tool, std::u16string_view text) {
    // Room for whatever the tool-tip control copies out of its record.
    std::array<wchar_t, 1024> current{};
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.lpszText = current.data();
    if (!SendMessageW(tips, TTM_ENUMTOOLSW, static_cast<WPARAM>(tool),
                      reinterpret_cast<LPARAM>(&info)))
        return;
    std::wstring tip = WideCopy(text);
    info.hinst = nullptr;
    info.lpszText = tip.data();
    SendMessageW(tips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

HWND FileListHeader(HWND dialog) {
    const HWND view = FindWindowExW(dialog, nullptr, L"SHELLDLL_DefView", nullptr);
    const HWND list = view ? FindWindowExW(view, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
    return list ? FindWindowExW(list, nullptr, WC_HEADERW, nullptr) : nullptr;
}

} // namespace

void RelabelToolTips(HWND dialog) {
    const HWND tips = ToolTipsOfToolBar(dialog);
    if (!tips)
        return;
    const int count = static_cast<int>(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0));
    for (int tool = 1; tool < count; ++tool)
        if (const auto text = dialogs::OpenToolTip(tool, count))
            SetToolTip(tips, tool, *text);
}

void RelabelColumnHeaders(HWND dialog) {
    const HWND header = FileListHeader(dialog);
    if (!header)
        return;
    int column = 0;
    for (const std::u16string_view text : dialogs::OpenColumnHeaders()) {
        std::wstring caption = WideCopy(text);
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = caption.data();
        item.cchTextMax = static_cast<int>(caption.size());
        SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(column++),
                     reinterpret_cast<LPARAM>(&item));
    }
}

} // namespace typ::win
