#pragma once

#include "editor/CharLower.h"
#include "editor/FindOptions.h"
#include "editor/WordDelimiters.h"

#include <string>
#include <string_view>

// The scan behind the memo's Find, over any buffer that reads one character
// per offset: the whole text, or a text being rewritten by Replace All.
namespace typ {

// A string read by int offsets.
struct TTextView {
    std::u16string_view Text;
    char16_t operator[](int i) const { return Text[static_cast<std::size_t>(i)]; }
};

// A buffer read through the search's lower-casing.
template <class TBuffer> struct TLowered {
    const TBuffer& Buffer;
    char16_t operator[](int i) const { return WinLowerChar(Buffer[i]); }
};

template <class TBuffer> class TTextScan {
public:
    TTextScan(const TBuffer& buffer, int length)
        : FBuffer(buffer), FLength(length), FDelimiters(WordDelimiters()) {}

    // Offset of the first match of the pattern from the selection in the
    // options' direction, or -1. Forwards the scan starts after the selection;
    // backwards a match ends at or before the selection start.
    int ScanText(int selStart, int selLength, std::u16string_view pattern,
                 TFindOptions options) const {
        const int m = static_cast<int>(pattern.size());
        if (m == 0)
            return -1;
        const bool forward = (options & frDown) != 0;
        const bool wholeWord = (options & frWholeWord) != 0;
        const int direction = forward ? 1 : -1;
        int pos = forward ? selStart + selLength : selStart - m;
        int count = forward ? FLength - pos - m : pos;
        if (count < 0 || pos < 0 || pos > FLength)
            return -1;
        for (; count >= 0; pos += direction, --count) {
            if (wholeWord && !SkipToWordStart(pos, count, direction))
                return -1;
            if (MatchesAt(pos, pattern) && (!wholeWord || count == 0 || IsDelimiter(pos + m)))
                return pos;
        }
        return -1;
    }

    // Forwards: past the rest of the word under pos, unless pos is where that
    // word starts, and the delimiters after it, onto the next word's start.
    // Backwards: onto the first character of the word before. False when
    // backwards no word is left, which ends the scan (stepping forward again
    // there would return to the word just examined, or to text after the
    // selection start, and loop for ever).
    bool SkipToWordStart(int& pos, int& count, int direction) const {
        const bool forward = direction > 0;
        const bool wordStartsHere = forward && (pos == 0 || IsDelimiter(pos - 1));
        while (!wordStartsHere && count > 0 && IsDelimiter(pos) != forward) {
            pos += direction;
            --count;
        }
        if (!forward && count == 0 && IsDelimiter(pos))
            return false;
        while (count > 0 && IsDelimiter(pos) == forward) {
            pos += direction;
            --count;
        }
        if (!forward && IsDelimiter(pos)) {
            ++pos;
            ++count;
        }
        return true;
    }

private:
    // The end of the text reads as a NUL, a delimiter, as after a C string.
    bool IsDelimiter(int i) const {
        return IsWordDelimiter(FDelimiters, i < FLength ? FBuffer[i] : u'\0');
    }

    bool MatchesAt(int pos, std::u16string_view pattern) const {
        for (std::size_t i = 0; i < pattern.size(); ++i)
            if (FBuffer[pos + static_cast<int>(i)] != pattern[i])
                return false;
        return true;
    }

    const TBuffer& FBuffer;
    int FLength;
    const TWordDelimiters& FDelimiters;
};

// Find's scan with its case rule: without frMatchCase the text and the
// pattern are compared lower-cased.
template <class TBuffer>
int ScanWithOptions(const TBuffer& text, int length, int selStart, int selLength,
                    std::u16string_view pattern, TFindOptions options) {
    if ((options & frMatchCase) != 0)
        return TTextScan<TBuffer>(text, length).ScanText(selStart, selLength, pattern, options);
    const TLowered<TBuffer> lowered{text};
    return TTextScan<TLowered<TBuffer>>(lowered, length)
        .ScanText(selStart, selLength, WinLowerText(pattern), options);
}

} // namespace typ
