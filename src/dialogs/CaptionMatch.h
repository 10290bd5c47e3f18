#pragma once

#include <string_view>

namespace typ::dialogs {

// The language test's comparison: equal captions regardless of letter case
// (accented Latin letters included), accelerators and blanks counting.
bool SameCaption(std::u16string_view caption, std::u16string_view reference);

} // namespace typ::dialogs
