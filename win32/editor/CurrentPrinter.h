#pragma once

#include <windows.h>
#include <string>

namespace typ::win {

// The printer that printing uses, process-wide: the one last chosen in the
// printer set-up dialog, or else the system's default printer.

// Keeps copies of what the set-up dialog returned (its DEVMODE and DEVNAMES
// memory); the caller still owns and frees the handles. A null DEVNAMES goes
// back to the default printer.
void SetCurrentPrinter(HGLOBAL devMode, HGLOBAL devNames);

// New copies of the kept DEVMODE and DEVNAMES, for the set-up dialog to start
// from (it frees or replaces them); null when no printer was chosen.
HGLOBAL CopyCurrentDevMode();
HGLOBAL CopyCurrentDevNames();

// The current printer's name; empty when there is none.
std::wstring CurrentPrinterName();

// A device context of the current printer, to be freed with DeleteDC; null
// when there is none (no printer installed, the chosen one gone).
HDC CreateCurrentPrinterDC();

} // namespace typ::win
