#include "server/Guid.h"

namespace typ {

namespace {

void AppendHex(std::u16string& text, std::uint32_t value, int digits) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        text += kDigits[(value >> shift) & 0xFu];
}

} // namespace

std::u16string GuidText(const TGuid& guid) {
    std::u16string text = u"{";
    AppendHex(text, guid.Data1, 8);
    text += u'-';
    AppendHex(text, guid.Data2, 4);
    text += u'-';
    AppendHex(text, guid.Data3, 4);
    text += u'-';
    for (std::size_t i = 0; i < guid.Data4.size(); ++i) {
        if (i == 2)
            text += u'-';
        AppendHex(text, guid.Data4[i], 2);
    }
    return text + u"}";
}

} // namespace typ
