#pragma once

#include "PngWriter.h"

#include <windows.h>
#include <string>

namespace typ::win {

// The window as it is drawn on screen, frame included. Throws
// std::runtime_error when the window cannot be read.
TRgbImage CaptureWindow(HWND window);

// Writes bytes to a file. Throws std::runtime_error.
void WriteFileBytes(const std::wstring& path, const std::string& bytes);

} // namespace typ::win
