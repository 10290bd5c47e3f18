#pragma once

#include "charconv/CharMap.h"

namespace typ {

// The Spanish transliteration between Windows letters and the DOS-as-ANSI
// characters standing for their code page 850 bytes.
const TCharMap& SpanishToDos();
const TCharMap& SpanishToWin();
// The forms variant: '?' reads as é, and ó stays ó while ¾ also becomes ó.
const TCharMap& SpanishToWinFormularios();

} // namespace typ
