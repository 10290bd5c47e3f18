#include "help/HtmlHelpLibrary.h"

#include "platform/WideText.h"

#include <shellapi.h>

namespace typ::win {

THtmlHelpLibrary::THtmlHelpLibrary() : FLibrary(LoadLibraryW(L"HHCtrl.OCX")) {
    if (FLibrary != nullptr)
        FHtmlHelpW = reinterpret_cast<THtmlHelpW>(
            reinterpret_cast<void*>(GetProcAddress(FLibrary, "HtmlHelpW")));
    SetHelpViewer(this);
}

THtmlHelpLibrary::~THtmlHelpLibrary() {
    SetHelpViewer(nullptr);
    if (FLibrary != nullptr)
        FreeLibrary(FLibrary);
}

bool THtmlHelpLibrary::HtmlHelpAvailable() const {
    return FHtmlHelpW != nullptr;
}

void THtmlHelpLibrary::HtmlHelp(std::uintptr_t Handle, const std::u16string& HelpFile,
                                std::uint32_t Command, std::uint32_t Data) {
    FHtmlHelpW(reinterpret_cast<HWND>(Handle), Wide(HelpFile).c_str(), Command, Data);
}

// The server keeps no help file of its own: the host's file is the only help
// there is, so without the viewer there is nothing to show, and the user is
// told so rather than left with a key that does nothing.
void THtmlHelpLibrary::ApplicationHelpContext(std::uint32_t) {
    throw EHelpError(kHelpUnavailable);
}

void THtmlHelpLibrary::OpenAddress(const std::u16string& Address) {
    ShellExecuteW(nullptr, L"open", Wide(Address).c_str(), L"", L"", SW_SHOW);
}

} // namespace typ::win
