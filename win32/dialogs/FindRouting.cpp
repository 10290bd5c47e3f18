#include "dialogs/FindRouting.h"

#include <algorithm>
#include <commdlg.h>
#include <vector>

namespace typ::win {
namespace {

// Dialogs are windows of the one UI thread: no lock.
std::vector<TFindDialog*>& OpenDialogs() {
    static std::vector<TFindDialog*> dialogs;
    return dialogs;
}

UINT FindReplaceMessage() {
    static const UINT message = RegisterWindowMessageW(FINDMSGSTRINGW);
    return message;
}

} // namespace

void TFindRouting::Add(TFindDialog& dialog) {
    if (!Contains(dialog))
        OpenDialogs().push_back(&dialog);
}

void TFindRouting::Remove(const TFindDialog& dialog) {
    std::erase(OpenDialogs(), &dialog);
}

bool TFindRouting::Contains(const TFindDialog& dialog) {
    return std::ranges::find(OpenDialogs(), &dialog) != OpenDialogs().end();
}

bool TFindRouting::Dispatch(UINT message, LPARAM lParam) {
    if (message == 0 || message != FindReplaceMessage())
        return false;
    // Only the data of a dialog still open is trusted (and read).
    const auto* data = reinterpret_cast<const FINDREPLACEW*>(lParam);
    const auto& dialogs = OpenDialogs();
    const auto found = std::ranges::find_if(
        dialogs, [data](const TFindDialog* dialog) { return &dialog->FData == data; });
    if (found == dialogs.end())
        return false;
    (*found)->Notify();
    return true;
}

bool TFindRouting::PreTranslate(MSG& msg) {
    // A key may close a dialog (and change the list) while it is handled.
    std::vector<HWND> windows;
    for (const TFindDialog* dialog : OpenDialogs())
        windows.push_back(dialog->FHandle);
    return std::ranges::any_of(windows, [&msg](HWND window) {
        return window && IsWindow(window) && IsDialogMessageW(window, &msg);
    });
}

bool DispatchFindReplaceMessage(UINT message, LPARAM lParam) {
    return TFindRouting::Dispatch(message, lParam);
}

bool IsFindReplaceDialogMessage(MSG& msg) {
    return TFindRouting::PreTranslate(msg);
}

} // namespace typ::win
