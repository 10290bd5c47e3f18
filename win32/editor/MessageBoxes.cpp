#include "editor/MessageBoxes.h"

#include "platform/WideText.h"

#include <string>

namespace typ::win {

namespace {

std::wstring OwnerCaption(HWND owner) {
    wchar_t caption[256] = L"";
    if (owner != nullptr)
        GetWindowTextW(owner, caption, static_cast<int>(std::size(caption)));
    return caption;
}

} // namespace

bool AskYesNo(HWND owner, std::u16string_view question, UINT icon) {
    return MessageBoxW(owner, Wide(question).c_str(), OwnerCaption(owner).c_str(),
                       MB_YESNO | icon) == IDYES;
}

void ShowNotice(HWND owner, std::u16string_view message) {
    MessageBoxW(owner, Wide(message).c_str(), OwnerCaption(owner).c_str(), MB_OK);
}

} // namespace typ::win
