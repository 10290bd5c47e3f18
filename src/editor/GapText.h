#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace typ {

// A text with a gap at its edit point, for many edits that move through it in
// one direction: an edit costs its own size plus the distance the gap moves.
class TGapText {
public:
    // The gap starts at the end.
    explicit TGapText(std::u16string text) : FFront(std::move(text)) {}

    int Length() const { return static_cast<int>(FFront.size() + FBack.size()); }
    char16_t operator[](int i) const {
        const auto index = static_cast<std::size_t>(i);
        return index < FFront.size() ? FFront[index]
                                     : FBack[FBack.size() - 1 - (index - FFront.size())];
    }
    // Whether the text holds `part` at `pos`.
    bool Holds(int pos, std::u16string_view part) const;
    // Replaces `count` characters at `pos`; the gap ends after the new text.
    void Replace(int pos, int count, std::u16string_view with);
    std::u16string Text() const;

private:
    void MoveGapTo(std::size_t pos);

    std::u16string FFront; // the text before the gap
    std::u16string FBack;  // the text after the gap, last character first
};

} // namespace typ
