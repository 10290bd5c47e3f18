#include "logging/TextEncoding.h"

#include "charconv/Windows1252.h"
#include "platform/Utf8.h"

namespace typ {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text += static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    }
    return text;
}

std::string EncodeUtf16(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char16_t c : text) {
        const char high = static_cast<char>(c >> 8);
        const char low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

} // namespace

TDecodedText DecodeText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) {
        return {FromUtf8(bytes.substr(kUtf8Mark.size())), TTextEncoding::Utf8};
    }
    if (bytes.starts_with(kUtf16LEMark)) {
        return {DecodeUtf16(bytes.substr(2), false), TTextEncoding::Utf16LE};
    }
    if (bytes.starts_with(kUtf16BEMark)) {
        return {DecodeUtf16(bytes.substr(2), true), TTextEncoding::Utf16BE};
    }
    return {Windows1252Table().Decode(bytes), TTextEncoding::Ansi};
}

std::string EncodeText(std::u16string_view text, TTextEncoding encoding) {
    switch (encoding) {
    case TTextEncoding::Utf8:
        return std::string(kUtf8Mark) + ToUtf8(text);
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
