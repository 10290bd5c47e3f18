#pragma once

#include <functional>
#include <string_view>

namespace typ {

// The find dialogs' option set. The search reads frDown (forwards, else
// backwards), frMatchCase (else both sides are lower-cased) and frWholeWord;
// the replace dialog sets frReplace or frReplaceAll for its two buttons.
enum TFindOption : unsigned {
    frDown = 1,
    frMatchCase = 2,
    frWholeWord = 4,
    frReplace = 8,
    frReplaceAll = 16,
};
using TFindOptions = unsigned;

// What the dialogs start with: forwards, any case, any part of a word.
constexpr TFindOptions kDefaultFindOptions = frDown;

constexpr std::u16string_view kWrapQuestion =
    u"Se llegó al final del documento. ¿Desea recomenzar?";

// Asks the user a Yes/No question; true for Yes. The window shows a message
// box; tests answer directly.
using TConfirm = std::function<bool(std::u16string_view question)>;

} // namespace typ
