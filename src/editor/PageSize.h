#pragma once

#include <string_view>

namespace typ {

// The page dialog's limits: a width of 1-250 characters, a height of 1-500
// lines, each typed in a field of at most three characters.
inline constexpr int kPageFieldMinimum = 1;
inline constexpr int kPageWidthMaximum = 250;
inline constexpr int kPageHeightMaximum = 500;
inline constexpr int kPageFieldMaxLength = 3;

struct TPageSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const TPageSize&) const = default;
};

// What a field's text stands for: a whole number (blanks around it and a sign
// allowed) brought into [1, maximum]; any other text counts as 1.
int PageFieldValue(std::u16string_view text, int maximum);

// The size an accepted dialog returns for the texts of its two fields.
TPageSize AcceptedPageSize(std::u16string_view widthText, std::u16string_view heightText);

} // namespace typ
