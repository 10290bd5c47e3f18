#include "sysinfo/PeerText.h"

#include "charconv/UnicodeBytes.h"

namespace typ {

std::string ValidUtf8(std::string_view bytes) {
    return EncodeUtf8(DecodeUtf8(bytes));
}

} // namespace typ
