#pragma once

#include "editor/Memo.h"

#include <string>

namespace typ::bench {

// A page of 250 x 500 crossing characters: the most a page can ask of the
// print layout and of whatever draws it.
inline TMemo FramePage() {
    std::u16string text;
    for (int line = 0; line < 500; ++line)
        text += (line ? u"\r\n" : u"") + std::u16string(250, u'\u00C5'); // ┼
    TMemo memo;
    memo.SetText(text);
    return memo;
}

} // namespace typ::bench
