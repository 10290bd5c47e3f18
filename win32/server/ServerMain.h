#pragma once

#include <windows.h>

namespace typ::win {

// The server process from start to end; returns the exit code. Errors of the
// start-up and of registration escape as exceptions.
int RunServer(HINSTANCE instance);

} // namespace typ::win
