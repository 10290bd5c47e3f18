#pragma once

#include "editor/FindOptions.h"
#include "editor/Memo.h"

#include <string_view>

// The grid memo's search: a scan from the selection, forwards or backwards,
// with optional case matching and whole-word matching, that offers to start
// again from the other end when it runs out of text.
namespace typ {

// The scan over a buffer as it stands (no lower-casing): the offset of the
// match, or -1. Used by Find on the text or its lower-cased copy.
int ScanText(std::u16string_view buffer, int selStart, int selLength, std::u16string_view pattern,
             TFindOptions options);

// Selects the next match of `text` from the selection and returns true. When
// there is none and the scan did not start at the edge it runs towards, asks
// kWrapQuestion; on Yes it starts again from that edge (without asking twice).
bool Find(TMemo& memo, std::u16string_view text, TFindOptions options, const TConfirm& confirm);

} // namespace typ
