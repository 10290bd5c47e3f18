#pragma once

#include "dialogs/FindDialog.h"

#include <windows.h>

namespace typ::win {

// The open find and replace dialogs of the thread, so that the owner's window
// procedure and message loop reach the right one.
struct TFindRouting {
    static void Add(TFindDialog& dialog);
    static void Remove(const TFindDialog& dialog);
    static bool Contains(const TFindDialog& dialog);
    static bool Dispatch(UINT message, LPARAM lParam);
    static bool PreTranslate(MSG& msg);
};

} // namespace typ::win
