#pragma once

#include "charconv/UnicodeBytes.h"

#include <string>

namespace typ::posix {

// File names are UTF-8 bytes on POSIX systems.
inline std::string NativePath(const std::u16string& path) {
    return EncodeUtf8(path);
}

} // namespace typ::posix
