#include "editor/StatusPanels.h"

#include "platform/WideText.h"

#include <array>
#include <commctrl.h>
#include <string>

namespace typ::win {

namespace {

// Panels 0 and 1 are 200 and 30 pixels wide. Panel 2 was designed 50 pixels
// wide, which cuts the caret position text after a few characters, so it
// takes the rest of the bar.
constexpr std::array<int, 3> kPanelRightEdges = {200, 230, -1};

// A leading tab centres a panel's text.
std::wstring PanelText(const TGridEditor& grid, int panel) {
    const std::wstring text = Wide(grid.StatusText(panel));
    return panel == 1 ? L"\t" + text : text;
}

std::wstring CurrentText(HWND statusBar, int panel) {
    const auto length = LOWORD(SendMessageW(statusBar, SB_GETTEXTLENGTHW, panel, 0));
    std::wstring text(length + 1u, L'\0');
    SendMessageW(statusBar, SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}

} // namespace

HWND CreateStatusPanels(HWND form, HFONT font) {
    const HWND statusBar =
        CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                        0, form, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(statusBar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(statusBar, SB_SETPARTS, kPanelRightEdges.size(),
                 reinterpret_cast<LPARAM>(kPanelRightEdges.data()));
    return statusBar;
}

void ShowStatusTexts(HWND statusBar, const TGridEditor& grid) {
    for (int panel = 0; panel < static_cast<int>(kPanelRightEdges.size()); ++panel) {
        const std::wstring text = PanelText(grid, panel);
        if (text != CurrentText(statusBar, panel))
            SendMessageW(statusBar, SB_SETTEXTW, static_cast<WPARAM>(panel),
                         reinterpret_cast<LPARAM>(text.c_str()));
    }
}

} // namespace typ::win
