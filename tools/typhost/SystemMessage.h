#pragma once

#include <windows.h>
#include <string>

namespace typ::win {

// The system's text for an error code, without the trailing line break;
// empty when the system has none.
std::wstring SystemMessage(DWORD code);

} // namespace typ::win
