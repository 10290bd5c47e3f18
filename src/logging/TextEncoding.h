#pragma once

#include <string>
#include <string_view>

namespace typ {

// How a text file of the system is stored: the ANSI code page (Windows-1252
// on the installations served) unless a byte-order mark says otherwise.
enum class TTextEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

struct TDecodedText {
    std::u16string Text;
    TTextEncoding Encoding = TTextEncoding::Ansi;
};

// Bytes -> text, the encoding told by the byte-order mark (which is dropped).
TDecodedText DecodeText(std::string_view bytes);
// Text -> bytes in the encoding, with its byte-order mark unless ANSI.
// Characters the ANSI code page lacks become "?".
std::string EncodeText(std::u16string_view text, TTextEncoding encoding);

} // namespace typ
