#include "editor/ReplaceAll.h"

#include "editor/GapText.h"
#include "editor/TextScan.h"

#include <algorithm>
#include <cstdint>

namespace typ {

namespace {

struct TSelection {
    int Start = 0;
    int Length = 0;
    bool operator==(const TSelection&) const = default;
};

// The loop over a gap text whose gap follows the replacements, so each Find
// scans on from where the last replacement ended without copying the text.
class TReplaceAllRun {
public:
    TReplaceAllRun(const TMemo& memo, std::u16string_view findText, std::u16string_view replaceText,
                   TFindOptions options, int maxLength)
        : FText(memo.Text()), FFind(findText), FReplace(replaceText), FOptions(options),
          FMaxLength(maxLength), FSelection{memo.SelStart(), memo.SelLength()} {}

    void Run(const TConfirm& confirm) {
        while (FindNext(confirm) && ReplaceSelection()) {
        }
    }

    void ApplyTo(TMemo& memo) const {
        if (FReplaced) {
            memo.SelectAll();
            memo.ReplaceSel(FText.Text(), false);
        }
        if (FMoved)
            memo.SetSel(FSelection.Start, FSelection.Start + FSelection.Length);
    }

private:
    int Scan() const {
        return ScanWithOptions(FText, FText.Length(), FSelection.Start, FSelection.Length, FFind,
                               FOptions);
    }

    // The memo's Find on the gap text: selects the match and returns true.
    bool FindNext(const TConfirm& confirm) {
        FBeforeFind = FSelection;
        const int length = FText.Length();
        if (FFind.empty() || length == 0)
            return false;
        const bool forward = (FOptions & frDown) != 0;
        const bool canWrap = FSelection.Start != (forward ? 0 : length);
        int found = Scan();
        if (found < 0) {
            if (!canWrap || !confirm(kWrapQuestion))
                return false;
            Select(forward ? 0 : length, 0);
            found = Scan();
            if (found < 0)
                return false;
        }
        Select(found, static_cast<int>(FFind.size()));
        return true;
    }

    // Replaces the selected match; false when the loop is to stop.
    bool ReplaceSelection() {
        const auto grown = static_cast<std::int64_t>(FText.Length()) - FSelection.Length +
                           static_cast<std::int64_t>(FReplace.size());
        if (grown > FMaxLength && grown > FText.Length())
            return false;
        const int at = FSelection.Start;
        const bool same =
            FText.Holds(at, FReplace) && FSelection.Length == static_cast<int>(FReplace.size());
        FText.Replace(at, FSelection.Length, FReplace);
        FReplaced = true;
        Select(at + static_cast<int>(FReplace.size()), 0);
        return !(same && FSelection == FBeforeFind);
    }

    void Select(int start, int length) {
        FSelection = {start, length};
        FMoved = true;
    }

    TGapText FText;
    std::u16string_view FFind;
    std::u16string_view FReplace;
    TFindOptions FOptions;
    int FMaxLength;
    TSelection FSelection;
    TSelection FBeforeFind;
    bool FReplaced = false;
    bool FMoved = false;
};

} // namespace

int ReplaceAllLimit(int textLength, std::size_t findLength, std::size_t replaceLength) {
    constexpr std::int64_t kPageGrowth = 4;
    const auto onePass = static_cast<std::int64_t>(
        findLength == 0 ? 1 : (replaceLength + findLength - 1) / findLength);
    const std::int64_t limit =
        static_cast<std::int64_t>(std::max(textLength, 1)) * std::max(kPageGrowth, onePass);
    return static_cast<int>(std::min<std::int64_t>(limit, kMaxReplaceAllLength));
}

void MemoReplaceAll(TMemo& memo, std::u16string_view findText, std::u16string_view replaceText,
                    TFindOptions options, const TConfirm& confirm, int maxLength) {
    TReplaceAllRun run(memo, findText, replaceText, options, maxLength);
    run.Run(confirm);
    run.ApplyTo(memo);
}

} // namespace typ
