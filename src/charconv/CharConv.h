#pragma once

#include <string>
#include <string_view>

namespace typ {

// Conversions between Windows text and DOS-as-ANSI text, the in-memory form of
// a template: one character per DOS byte, the Windows-1252 reading of that
// code page 850 byte.
class TCharConv {
public:
    TCharConv() = delete;

    // The Spanish transliteration table, character by character; the length
    // never changes.
    static std::u16string TransformToDos(std::u16string text);
    static std::u16string TransformToWin(std::u16string text);
    static std::u16string TransformToWinFormularios(std::u16string text);
    // Twins for the automation boundary's wide strings.
    static std::u16string TransformToDosWide(std::u16string text);
    static std::u16string TransformToWinWide(std::u16string text);

    // Whole conversions through Windows-1252 and code page 850 bytes, covering
    // every byte value; best-fit substitutes where a character set lacks one.
    static std::u16string ConvDosToWin(std::u16string_view text);
    static std::u16string ConvWinToDos(std::u16string_view text);
};

} // namespace typ
