#pragma once

#include <windows.h>
#include <functional>

namespace typ::win {

// Runs a command or key handler; an error escaping it is shown in an error
// message box owned by `owner`, and the window goes on as before.
void RunGuarded(HWND owner, const std::function<void()>& action) noexcept;

} // namespace typ::win
