#pragma once

#include "editor/FindOptions.h"
#include "editor/Memo.h"

#include <functional>
#include <string>
#include <string_view>

// The window's search commands over its grid memo: the find dialog's Find
// Next, Buscar siguiente (F3) and the replace dialog's Replace and Replace All,
// with the last successful search they remember.
namespace typ {

// The window's AskHook: message, button set, default answer, help context;
// true for yes. The hosted window answers no without asking.
using TAskHook = std::function<bool(const std::u16string& message, int buttons,
                                    char16_t defaultAnswer, int helpContext)>;

// What the single Replace passes to AskHook besides the question.
constexpr int kReplaceQuestionButtons = 12;
constexpr char16_t kReplaceQuestionDefault = u'N';

// "Reemplazar esta ocurrencia de %s?" with the text searched for.
std::u16string ReplaceQuestion(std::u16string_view findText);

class TSearchCommands {
public:
    TSearchCommands(TMemo& memo, TConfirm confirm, TAskHook askHook)
        : FMemo(memo), FConfirm(std::move(confirm)), FAskHook(std::move(askHook)) {}

    // Empty and the default options until a search from the find dialog succeeds.
    const std::u16string& LastFindText() const { return FLastFindText; }
    TFindOptions LastFindOptions() const { return FLastFindOptions; }

    // The find dialog's Find Next: true when it found, and then the dialog is
    // to close and the search is remembered.
    bool FindDialogZV1Find(std::u16string_view text, TFindOptions options);
    // Repeats the last successful search; nothing before the first one.
    void actBuscarSiguienteExecute();
    // The replace dialog's Replace (frReplace) or Replace All (frReplaceAll)
    // with its texts, used as typed (not converted to DOS form); the
    // replacement enters the grid as GridCellText makes it, one cell for each
    // character.
    void DoReplace(std::u16string_view findText, std::u16string_view replaceText,
                   TFindOptions options);

private:
    TMemo& FMemo;
    TConfirm FConfirm;
    TAskHook FAskHook;
    std::u16string FLastFindText;
    TFindOptions FLastFindOptions = kDefaultFindOptions;
};

} // namespace typ
