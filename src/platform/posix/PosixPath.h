#pragma once

#include "platform/Utf8.h"

#include <string>

namespace typ::posix {

// File names are UTF-8 bytes on POSIX systems.
inline std::string NativePath(const std::u16string& path) {
    return ToUtf8(path);
}

} // namespace typ::posix
