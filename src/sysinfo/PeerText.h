#pragma once

#include <string>
#include <string_view>

namespace typ {

// Text bytes received from the peer, made valid UTF-8 (malformed sequences
// become U+FFFD) so that error messages built from them stay well-formed.
std::string ValidUtf8(std::string_view bytes);

} // namespace typ
