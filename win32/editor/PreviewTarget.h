#pragma once

#include "editor/Memo.h"
#include "editor/PreviewZoom.h"
#include "editor/PrintLayout.h"

#include <string>

namespace typ::win {

// What the preview shows: the current printer's sheet, and the memo laid out
// once for it by the print layout, as printing lays it out.
struct TPreviewTarget {
    TPreviewSheet Sheet;
    std::wstring PrinterName; // empty when there is no printer
    TPrintLayout Layout;
};

// Asks the current printer (CurrentPrinter.h) for its sheet and lays the
// memo out with the print face measured on it. Without a printer, or with
// one that is gone or tells no sheet, an A4 sheet at 300 dots per inch, all
// of it printable, measured as a page drawn at that size without a printer.
TPreviewTarget PreviewTargetFor(const TMemo& memo);

} // namespace typ::win
