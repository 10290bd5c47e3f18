#pragma once

#include <string>
#include <string_view>

namespace typ {

// UTF-16 <-> UTF-8. Unpaired surrogates and malformed bytes become U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view bytes);

} // namespace typ
