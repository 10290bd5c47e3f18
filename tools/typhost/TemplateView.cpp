#include "TemplateView.h"

#include "charconv/CodePage850.h"

namespace typ::win {

std::wstring TemplateAsGlyphs(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size() + 1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool lineBreak =
            byte == '\n' || (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n');
        if (lineBreak) {
            text += L'\n';
            i += byte == '\r' ? 1 : 0;
        } else {
            text += static_cast<wchar_t>(DosGlyph(byte));
        }
    }
    text += L'\n';
    return text;
}

} // namespace typ::win
