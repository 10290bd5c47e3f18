#include "editor/Search.h"

#include "editor/TextScan.h"

#include <string>

namespace typ {

int ScanText(std::u16string_view buffer, int selStart, int selLength, std::u16string_view pattern,
             TFindOptions options) {
    const TTextView view{buffer};
    return TTextScan<TTextView>(view, static_cast<int>(buffer.size()))
        .ScanText(selStart, selLength, pattern, options);
}

bool Find(TMemo& memo, std::u16string_view text, TFindOptions options, const TConfirm& confirm) {
    if (text.empty() || memo.TextLength() == 0)
        return false;
    const bool forward = (options & frDown) != 0;
    const int length = memo.TextLength();
    const bool canWrap = forward ? memo.SelStart() != 0 : memo.SelStart() != length;
    const bool matchCase = (options & frMatchCase) != 0;
    const std::u16string whole = memo.Text();
    const int found = matchCase ? ScanText(whole, memo.SelStart(), memo.SelLength(), text, options)
                                : ScanText(WinLowerText(whole), memo.SelStart(), memo.SelLength(),
                                           WinLowerText(text), options);
    if (found >= 0) {
        memo.SetSel(found, found + static_cast<int>(text.size()));
        return true;
    }
    if (!canWrap || !confirm(kWrapQuestion))
        return false;
    memo.SetSelStart(forward ? 0 : length);
    return Find(memo, text, options, confirm);
}

} // namespace typ
