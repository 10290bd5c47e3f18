#include "logging/TextEncoding.h"

#include "charconv/UnicodeBytes.h"
#include "charconv/Windows1252.h"

namespace typ {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";

} // namespace

TDecodedText DecodeText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark))
        return {DecodeUtf8(bytes.substr(kUtf8Mark.size())), TTextEncoding::Utf8};
    if (bytes.starts_with(kUtf16LEMark))
        return {DecodeUtf16(bytes.substr(2), false), TTextEncoding::Utf16LE};
    if (bytes.starts_with(kUtf16BEMark))
        return {DecodeUtf16(bytes.substr(2), true), TTextEncoding::Utf16BE};
    return {Windows1252Table().Decode(bytes), TTextEncoding::Ansi};
}

std::string EncodeText(std::u16string_view text, TTextEncoding encoding) {
    switch (encoding) {
    case TTextEncoding::Utf8:
        return std::string(kUtf8Mark) + EncodeUtf8(text);
    case TTextEncoding::Utf16LE:
        return std::string(kUtf16LEMark) + EncodeUtf16(text, false);
    case TTextEncoding::Utf16BE:
        return std::string(kUtf16BEMark) + EncodeUtf16(text, true);
    case TTextEncoding::Ansi:
        break;
    }
    return Windows1252Table().Encode(text);
}

} // namespace typ
