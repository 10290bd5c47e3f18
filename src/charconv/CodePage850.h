#pragma once

#include "charconv/CodeTable.h"

#include <string>
#include <string_view>

namespace typ {

// Code page 850 as text: bytes 0x00-0x7F are ASCII and its control characters.
const TCodeTable& CodePage850Table();

// DOS bytes -> DOS-as-ANSI text (one character per byte, reversible).
std::u16string DosBytesToAnsi(std::string_view bytes);

// DOS-as-ANSI text -> DOS bytes. A character outside DOS-as-ANSI that code page
// 850 has (box drawing, shades) becomes its code page 850 byte; any other, '?'.
std::string AnsiToDosBytes(std::u16string_view text);

// The character a DOS screen shows for a byte, to draw it with a Unicode font.
char16_t DosGlyph(unsigned char byte);

// DosGlyph of the byte a DOS-as-ANSI character stands for; other characters
// are returned unchanged.
char16_t DosGlyphOfAnsi(char16_t c);

} // namespace typ
