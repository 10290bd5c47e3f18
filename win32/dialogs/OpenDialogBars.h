#pragma once

#include <windows.h>

// The open dialog's tool bar and file list, which have no control identifiers
// of their own in the dialog template.
namespace typ::win {

// The tool-bar tips in Spanish, by tool position (tool 0 keeps its tip).
void RelabelToolTips(HWND dialog);

// The five column headers of the file list in Spanish.
void RelabelColumnHeaders(HWND dialog);

} // namespace typ::win
