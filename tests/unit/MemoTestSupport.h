#pragma once

#include "editor/Memo.h"

#include <string_view>

namespace typ::test {

// A memo holding the text, caret at its start.
inline TMemo MemoWith(std::u16string_view text) {
    TMemo memo;
    memo.SetText(text);
    return memo;
}

} // namespace typ::test
