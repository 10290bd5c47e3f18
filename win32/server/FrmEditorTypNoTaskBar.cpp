#include "server/FrmEditorTypNoTaskBar.h"

#include "help/HtmlHelp.h"
#include "server/HostedText.h"

#include <utility>

namespace typ::win {

TFrmEditorTypNoTaskBar::TFrmEditorTypNoTaskBar(HWND applicationWindow)
    : FApplicationWindow(applicationWindow) {}

void TFrmEditorTypNoTaskBar::ShowModalHosted() {
    FShowError = nullptr;
    ShowModal();
    if (FShowError)
        std::rethrow_exception(std::exchange(FShowError, nullptr));
}

// Runs inside the window's show event: an error must not unwind through the
// window procedure, so it is kept for ShowModalHosted and the run is ended.
void TFrmEditorTypNoTaskBar::ShowHook() {
    try {
        PrepareShownText();
    } catch (...) {
        FShowError = std::current_exception();
        PostMessageW(Handle(), WM_CLOSE, 0, 0);
    }
}

void TFrmEditorTypNoTaskBar::HelpHook() {
    if (FHelpContext > 0)
        ShowContextHelp(FHelpContext, FHelpFile, reinterpret_cast<std::uintptr_t>(Handle()));
}

void TFrmEditorTypNoTaskBar::VariablesHelpHook() {
    if (FHelpContextVar > 0)
        ShowContextHelp(FHelpContextVar, FHelpFile, reinterpret_cast<std::uintptr_t>(Handle()));
}

void TFrmEditorTypNoTaskBar::PrepareShownText() {
    ShowWindow(FApplicationWindow, SW_HIDE);
    const TPageSize page = PrepareHostedPage(Grid().Editor());
    SetPageSize(page.Width, page.Height);
}

} // namespace typ::win
