#pragma once

#include <windows.h>
#include <string_view>

namespace typ::win {

// The editor's questions and notices, titled with the owner's caption.
// A Yes/No question with the given icon (MB_ICONQUESTION, MB_ICONWARNING);
// true for Yes.
bool AskYesNo(HWND owner, std::u16string_view question, UINT icon);
// A plain notice with an OK button.
void ShowNotice(HWND owner, std::u16string_view message);

} // namespace typ::win
