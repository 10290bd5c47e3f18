#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace typ::pictures {

// How one picture is made: a source (a Tango icon "<context>/<name>" or one of
// our shapes "@shape:arg:arg") and an optional composition.
struct TPictureRecipe {
    std::string Source;
    std::string Overlay;               // a second source, drawn small in the bottom right corner
    std::string Badge;                 // one or two characters on a dark label, bottom right
    std::optional<std::uint32_t> Tint; // 0xRRGGBB: the picture recoloured in that hue
    friend bool operator==(const TPictureRecipe&, const TPictureRecipe&) = default;
};

// The table of pictures by name. Lines: name TAB source [TAB compose]; "#"
// starts a comment line. Throws std::runtime_error naming the line for a
// malformed line, an unknown composition or a name given twice.
std::map<std::string, TPictureRecipe, std::less<>> ParsePictureTable(std::string_view aText);

} // namespace typ::pictures
