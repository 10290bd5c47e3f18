#include "editor/TypFile.h"

#include "charconv/CodePage850.h"
#include "charconv/GridCells.h"
#include "charconv/UnicodeBytes.h"

#include <algorithm>

namespace typ {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";
constexpr std::u16string_view kLineBreak = u"\r\n";

std::string_view MarkOf(TTypEncoding encoding) {
    switch (encoding) {
    case TTypEncoding::Utf8:
        return kUtf8Mark;
    case TTypEncoding::Utf16LE:
        return kUtf16LEMark;
    case TTypEncoding::Utf16BE:
        return kUtf16BEMark;
    case TTypEncoding::Windows1252:
        break;
    }
    return {};
}

TTypEncoding EncodingOf(std::string_view bytes) {
    for (const auto encoding : {TTypEncoding::Utf8, TTypEncoding::Utf16LE, TTypEncoding::Utf16BE})
        if (bytes.starts_with(MarkOf(encoding)))
            return encoding;
    return TTypEncoding::Windows1252;
}

std::u16string Decode(std::string_view bytes, TTypEncoding encoding) {
    switch (encoding) {
    case TTypEncoding::Utf8:
        return DecodeUtf8(bytes);
    case TTypEncoding::Utf16LE:
        return DecodeUtf16(bytes, false);
    case TTypEncoding::Utf16BE:
        return DecodeUtf16(bytes, true);
    case TTypEncoding::Windows1252:
        break;
    }
    return DosBytesToAnsi(bytes);
}

} // namespace

TTypText DecodeTyp(std::string_view bytes) {
    const TTypEncoding encoding = EncodingOf(bytes);
    bytes.remove_prefix(MarkOf(encoding).size());
    return {GridCellText(Decode(bytes, encoding)), encoding};
}

std::string EncodeTyp(std::u16string_view text, TTypEncoding encoding) {
    std::string bytes(MarkOf(encoding));
    switch (encoding) {
    case TTypEncoding::Utf8:
        return bytes + EncodeUtf8(text);
    case TTypEncoding::Utf16LE:
        return bytes + EncodeUtf16(text, false);
    case TTypEncoding::Utf16BE:
        return bytes + EncodeUtf16(text, true);
    case TTypEncoding::Windows1252:
        break;
    }
    return AnsiToDosBytes(text);
}

TTypPageSize TypPageSize(std::u16string_view text) {
    const std::size_t width = std::min(text.find(kLineBreak), text.size());
    int lines = 0;
    for (std::size_t at = text.find(kLineBreak); at != std::u16string_view::npos;
         at = text.find(kLineBreak, at + kLineBreak.size()))
        ++lines;
    if (!text.empty() && !text.ends_with(kLineBreak))
        ++lines;
    return {static_cast<int>(width), lines};
}

} // namespace typ
