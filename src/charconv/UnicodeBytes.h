#pragma once

#include <string>
#include <string_view>

// UTF-8 and UTF-16 byte forms of text held as UTF-16, for files that carry a
// byte-order mark. Decoding never fails: a malformed UTF-8 sequence (each
// maximal ill-formed part of one) and a final odd byte of UTF-16 become
// U+FFFD; unpaired surrogates in UTF-16 are kept as they are. Encoding to
// UTF-8 writes an unpaired surrogate as U+FFFD.
namespace typ {

std::u16string DecodeUtf8(std::string_view bytes);
std::string EncodeUtf8(std::u16string_view text);

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian);
std::string EncodeUtf16(std::u16string_view text, bool bigEndian);

} // namespace typ
