#pragma once

#include <string>
#include <string_view>

namespace typ::win {

// A TYP file's bytes as a DOS screen shows them, for a terminal: every byte its
// code page 850 glyph (frames become lines), CR LF or LF a line break ("\n"),
// and a final line break.
std::wstring TemplateAsGlyphs(std::string_view bytes);

} // namespace typ::win
