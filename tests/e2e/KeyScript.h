#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace typ::win {

// One keystroke: a named key (Character 0) or a typed character (VirtualKey 0).
// A posted stroke goes through the window's message loop, as keyboard input
// does, so that its accelerators see it (the function keys).
// A stroke with modifiers is played as real input (the modifiers held), which
// is how the window sees their state.
constexpr int kShiftKey = 1;
constexpr int kCtrlKey = 2;
constexpr int kAltKey = 4;

struct TKeyStroke {
    int VirtualKey = 0;
    wchar_t Character = 0;
    bool Posted = false;
    int Modifiers = 0;
    bool operator==(const TKeyStroke&) const = default;
};

// A key script: every character types itself, except that "{NAME}" is a named
// key (INS, DEL, BS, HOME, END, LEFT, RIGHT, UP, DOWN, ENTER, TAB, PGUP, PGDN,
// and the posted F3 and F6) and "{{" a literal "{". Inside the braces "+", "^"
// and "%" before a name (or before a capital letter) hold Shift, Ctrl and Alt:
// "{+F6}", "{^Z}", "{^%+RIGHT}". Throws std::invalid_argument for an unknown or
// unterminated name.
std::vector<TKeyStroke> ParseKeyScript(std::wstring_view script);

} // namespace typ::win
