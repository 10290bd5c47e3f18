#pragma once

#include <bitset>

// The characters that separate words in a whole-word search, over character
// codes 0 to 255 of the text as the grid holds it (DOS-as-ANSI: each character
// stands for a code page 850 byte).
//
// A code is a delimiter when the DOS byte it stands for is not a letter or a
// digit of code page 850: blanks, control characters, punctuation, symbols,
// and the box-drawing, shade and block characters. Letters are the ASCII and
// accented Latin letters with ª º µ ß ı ƒ; digits include ¹ ² ³. Codes that
// stand for no DOS byte (U+0080-U+009F other than the five undefined bytes)
// are control characters and delimit. A character above 255 never does; in
// this text those are DOS letters and signs of bytes 0x80-0x9F.
//
// A case-insensitive search scans a lower-cased copy, in which some frame
// characters (for example ─, U+00C4, as ä) read as DOS letters; next to a word
// they then do not delimit it.
namespace typ {

using TWordDelimiters = std::bitset<256>;

const TWordDelimiters& WordDelimiters();

inline bool IsWordDelimiter(const TWordDelimiters& delimiters, char16_t c) {
    return c < delimiters.size() && delimiters[c];
}

} // namespace typ
