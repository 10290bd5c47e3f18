#pragma once

#include "editor/Memo.h"
#include "editor/PageSize.h"

#include <string>
#include <string_view>

namespace typ {

// The rules the automation object and its hosted window apply to the text a
// host hands over, and to what goes back.

// The host's text as it enters the grid (GridCellText): it ends at its first
// NUL, a lone carriage return or a lone line feed becomes a CR LF pair, and a
// character outside the Basic Multilingual Plane takes one cell.
std::u16string NormalizeLineBreaks(std::u16string_view text);

// Cuts the memo's text at its first end-of-file mark (character 26): the first
// line holding one keeps only what precedes it and every later line goes, as a
// line list over the memo deletes them. Lines before it are untouched.
void CutAtEndOfFile(TMemo& memo);

// The page that fits the memo's lines: the longest line's length (250 when it is
// 0) by the number of lines (80 when there are none), lines counted as a line
// list counts them.
TPageSize HostedPageSize(TMemo& memo);

// What the hosted window does to the text it is shown with: cuts it at its
// end-of-file mark and returns the page that fits what is left.
TPageSize PrepareHostedPage(TMemo& memo);

// The common directory as the window stores it: ending in a path delimiter.
std::u16string WithTrailingDelimiter(std::u16string_view directory);

// Whether the editor's text is to be handed back: any difference, code unit by
// code unit, from the text the host passed in.
bool HostedTextChanged(std::u16string_view received, std::u16string_view edited);

} // namespace typ
