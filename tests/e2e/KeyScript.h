#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace typ::win {

// One keystroke: a named key (Character 0) or a typed character (VirtualKey 0).
// A posted stroke goes through the window's message loop, as keyboard input
// does, so that its accelerators see it (the function keys).
struct TKeyStroke {
    int VirtualKey = 0;
    wchar_t Character = 0;
    bool Posted = false;
    bool operator==(const TKeyStroke&) const = default;
};

// A key script: every character types itself, except that "{NAME}" is a named
// key (INS, DEL, BS, HOME, END, LEFT, RIGHT, UP, DOWN, ENTER, TAB, PGUP, PGDN,
// and the posted F3 and F6) and "{{" a literal "{". Throws std::invalid_argument for an unknown or
// unterminated name.
std::vector<TKeyStroke> ParseKeyScript(std::wstring_view script);

} // namespace typ::win
