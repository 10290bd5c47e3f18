#include "editor/GapText.h"

namespace typ {

bool TGapText::Holds(int pos, std::u16string_view part) const {
    if (pos < 0 || pos + static_cast<int>(part.size()) > Length())
        return false;
    for (std::size_t i = 0; i < part.size(); ++i)
        if ((*this)[pos + static_cast<int>(i)] != part[i])
            return false;
    return true;
}

void TGapText::MoveGapTo(std::size_t pos) {
    if (pos < FFront.size()) {
        FBack.append(FFront.rbegin(),
                     FFront.rbegin() + static_cast<std::ptrdiff_t>(FFront.size() - pos));
        FFront.resize(pos);
    } else if (pos > FFront.size()) {
        const std::size_t moved = pos - FFront.size();
        FFront.append(FBack.rbegin(), FBack.rbegin() + static_cast<std::ptrdiff_t>(moved));
        FBack.resize(FBack.size() - moved);
    }
}

void TGapText::Replace(int pos, int count, std::u16string_view with) {
    MoveGapTo(static_cast<std::size_t>(pos + count));
    FFront.resize(FFront.size() - static_cast<std::size_t>(count));
    FFront.append(with);
}

std::u16string TGapText::Text() const {
    std::u16string text = FFront;
    text.append(FBack.rbegin(), FBack.rend());
    return text;
}

} // namespace typ
