#pragma once

#include "editor/FindOptions.h"
#include "editor/Memo.h"

#include <cstddef>
#include <string_view>

namespace typ {

// Beyond this length Replace All stops growing the text (2 bytes a character).
constexpr int kMaxReplaceAllLength = 64 * 1024 * 1024;

// The length Replace All may grow a page's text of `textLength` to: a few times
// what the page holds, or more when one pass replacing every occurrence needs
// it, never beyond kMaxReplaceAllLength. What grows past the page is cut at its
// next normalisation, so a text growing for ever (a backward search whose
// replacement ends in the text) is stopped long before memory runs out.
int ReplaceAllLimit(int textLength, std::size_t findLength, std::size_t replaceLength);

// Replace All: the result of repeating Find and replacing the selection with
// `replaceText` until Find returns false — the same questions (kWrapQuestion
// each time the scan runs through the end; Yes goes on from the top), the
// same text and the same selection — in one pass over the text per run
// through it rather than one per occurrence.
//
// Two guards end a loop that would never end by itself, with the state the
// loop has at that point: a replacement that leaves the text and the
// selection exactly as they were before its Find (a backward search finding
// its own replacement again), and a replacement that would lengthen the text
// beyond `maxLength` (that occurrence stays selected, unreplaced).
// Replacements are not undoable and the grid is not re-normalised.
void MemoReplaceAll(TMemo& memo, std::u16string_view findText, std::u16string_view replaceText,
                    TFindOptions options, const TConfirm& confirm,
                    int maxLength = kMaxReplaceAllLength);

} // namespace typ
