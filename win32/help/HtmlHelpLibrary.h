#pragma once

#include "help/HtmlHelp.h"

#include <windows.h>

namespace typ::win {

// The platform's HTML help viewer, loaded for the life of the server process
// and installed as the dispatcher's viewer; web addresses go to the default
// browser.
class THtmlHelpLibrary final : public THelpViewer {
public:
    THtmlHelpLibrary();
    ~THtmlHelpLibrary() override;
    THtmlHelpLibrary(const THtmlHelpLibrary&) = delete;
    THtmlHelpLibrary& operator=(const THtmlHelpLibrary&) = delete;

    bool HtmlHelpAvailable() const override;
    void HtmlHelp(std::uintptr_t Handle, const std::u16string& HelpFile, std::uint32_t Command,
                  std::uint32_t Data) override;
    void ApplicationHelpContext(std::uint32_t Data) override;
    void OpenAddress(const std::u16string& Address) override;

private:
    using THtmlHelpW = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

    HMODULE FLibrary = nullptr;
    THtmlHelpW FHtmlHelpW = nullptr;
};

} // namespace typ::win
