#pragma once

#include "editor/Memo.h"

namespace typ::win {

// Prints the memo's lines on one page of the current printer (CurrentPrinter.h),
// with no dialog: no page breaks, lines below the printable area are lost. Any
// failure (no printer, a request the printer or the face refuses) ends the
// print silently and abandons a started document. True when the page went to
// the printer.
bool PrintTemplate(const TMemo& memo) noexcept;

} // namespace typ::win
