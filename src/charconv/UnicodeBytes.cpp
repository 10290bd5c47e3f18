#include "charconv/UnicodeBytes.h"

#include "charconv/Surrogates.h"

namespace typ {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

unsigned Byte(std::string_view bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

// The length of the sequence a lead byte starts (0 for a byte that starts
// none) and the range its second byte must fall in, which excludes overlong
// forms, surrogates and values above U+10FFFF.
struct TLead {
    int Length = 0;
    unsigned SecondLow = 0x80;
    unsigned SecondHigh = 0xBF;
};

TLead LeadOf(unsigned byte) {
    if (byte >= 0xC2 && byte <= 0xDF)
        return {2};
    if (byte == 0xE0)
        return {3, 0xA0, 0xBF};
    if (byte == 0xED)
        return {3, 0x80, 0x9F};
    if (byte >= 0xE1 && byte <= 0xEF)
        return {3};
    if (byte == 0xF0)
        return {4, 0x90, 0xBF};
    if (byte == 0xF4)
        return {4, 0x80, 0x8F};
    if (byte >= 0xF1 && byte <= 0xF3)
        return {4};
    return {};
}

void AppendCodePoint(std::u16string& text, char32_t c) {
    if (c < 0x10000) {
        text += static_cast<char16_t>(c);
        return;
    }
    c -= 0x10000;
    text += static_cast<char16_t>(0xD800 + (c >> 10));
    text += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
}

void AppendUtf8(std::string& bytes, char32_t c) {
    auto put = [&bytes](char32_t value) { bytes += static_cast<char>(value & 0xFF); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

// Decodes the sequence at i and returns the bytes it took: a whole valid
// sequence, or the ill-formed part that ends where a byte does not fit.
std::size_t DecodeSequence(std::string_view bytes, std::size_t i, std::u16string& text) {
    const unsigned lead = Byte(bytes, i);
    if (lead < 0x80) {
        text += static_cast<char16_t>(lead);
        return 1;
    }
    const TLead form = LeadOf(lead);
    char32_t c = lead & (0x7Fu >> form.Length);
    std::size_t taken = 1;
    for (; taken < static_cast<std::size_t>(form.Length); ++taken) {
        if (i + taken >= bytes.size())
            break;
        const unsigned next = Byte(bytes, i + taken);
        const unsigned low = taken == 1 ? form.SecondLow : 0x80;
        const unsigned high = taken == 1 ? form.SecondHigh : 0xBF;
        if (next < low || next > high)
            break;
        c = (c << 6) | (next & 0x3F);
    }
    if (form.Length == 0 || taken < static_cast<std::size_t>(form.Length)) {
        text += kReplacement;
        return taken;
    }
    AppendCodePoint(text, c);
    return taken;
}

} // namespace

std::u16string DecodeUtf8(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();)
        i += DecodeSequence(bytes, i, text);
    return text;
}

std::string EncodeUtf8(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            ++i;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            c = kReplacement;
        }
        AppendUtf8(bytes, c);
    }
    return bytes;
}

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string text;
    text.reserve(bytes.size() / 2 + 1);
    const std::size_t first = bigEndian ? 0 : 1;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<char16_t>((Byte(bytes, i + first) << 8) | Byte(bytes, i + 1 - first));
    if (bytes.size() % 2 != 0)
        text += kReplacement;
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

} // namespace typ
