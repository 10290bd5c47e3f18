#pragma once

#include <string>
#include <string_view>

// The TYP file format both ways. Written: the grid's DOS-as-ANSI text in
// Windows-1252 bytes (which are the DOS bytes), CR LF between lines, no mark
// and no end-of-file byte — or, after importing a file with a byte-order mark,
// in that file's encoding with its mark. Read: any bytes at all.
namespace typ {

enum class TTypEncoding { Windows1252, Utf8, Utf16LE, Utf16BE };

struct TTypText {
    std::u16string Text;
    TTypEncoding Encoding = TTypEncoding::Windows1252;
};

// A byte-order mark (UTF-8 EF BB BF, UTF-16LE FF FE, UTF-16BE FE FF) chooses
// the encoding and is dropped; any other file is read as Windows-1252 byte by
// byte, its five undefined bytes as U+0081, U+008D, U+008F, U+0090, U+009D.
// Malformed Unicode becomes U+FFFD (see UnicodeBytes.h). The text then enters
// the grid as GridCellText makes it; 0x1A is an ordinary character.
TTypText DecodeTyp(std::string_view bytes);

// Windows-1252 writes each character's byte, else the code page 850 byte of
// a DOS character (box drawing, shades), else '?'.
std::string EncodeTyp(std::u16string_view text, TTypEncoding encoding);

struct TTypPageSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const TTypPageSize&) const = default;
};

// The page a text asks for: as wide as its first line, as high as its number
// of lines (only CR LF breaks a line; an empty last line after a final break
// is not counted).
TTypPageSize TypPageSize(std::u16string_view text);

} // namespace typ
