#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace typ {

// The face the grid and the rulers are drawn with. "Courier LD" shows the DOS
// glyphs at their code positions; any other face needs the characters mapped
// to the Unicode glyphs of code page 850 when they are drawn.
struct TEditorFace {
    std::u16string Name;
    bool MapGlyphs = true;
    bool operator==(const TEditorFace&) const = default;
};

// "Courier LD" when installed, else the first installed fixed-pitch face that
// has box-drawing glyphs; an empty name (any fixed-pitch face) when none is.
TEditorFace ChooseEditorFace(const std::function<bool(std::u16string_view)>& installed);

// A face the user chose by name (the font dialog): mapped unless it is the DOS face.
TEditorFace FaceNamed(std::u16string_view name);

} // namespace typ
