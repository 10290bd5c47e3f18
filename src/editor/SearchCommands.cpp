#include "editor/SearchCommands.h"

#include "charconv/GridCells.h"
#include "editor/ReplaceAll.h"
#include "editor/Search.h"

namespace typ {

std::u16string ReplaceQuestion(std::u16string_view findText) {
    std::u16string question = u"Reemplazar esta ocurrencia de ";
    question.append(findText).append(u"?");
    return question;
}

bool TSearchCommands::FindDialogZV1Find(std::u16string_view text, TFindOptions options) {
    if (!Find(FMemo, text, options, FConfirm))
        return false;
    FLastFindText = text;
    FLastFindOptions = options;
    return true;
}

void TSearchCommands::actBuscarSiguienteExecute() {
    Find(FMemo, FLastFindText, FLastFindOptions, FConfirm);
}

// Replace asks about whatever is selected and, on no, moves on to the next
// occurrence without replacing.
void TSearchCommands::DoReplace(std::u16string_view findText, std::u16string_view typedText,
                                TFindOptions options) {
    const std::u16string replaceText = GridCellText(typedText);
    const TMemoUnit unit(FMemo);
    if ((options & frReplaceAll) != 0) {
        MemoReplaceAll(FMemo, findText, replaceText, options, FConfirm,
                       ReplaceAllLimit(FMemo.TextLength(), findText.size(), replaceText.size()));
        return;
    }
    if ((options & frReplace) == 0)
        return;
    if (FMemo.SelLength() > 0 &&
        FAskHook(ReplaceQuestion(findText), kReplaceQuestionButtons, kReplaceQuestionDefault, 0)) {
        FMemo.ReplaceSel(replaceText, false);
        return;
    }
    Find(FMemo, findText, options, FConfirm);
}

} // namespace typ
