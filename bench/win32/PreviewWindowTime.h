#pragma once

#include "editor/Memo.h"

#include <windows.h>
#include <string>
#include <utility>
#include <vector>

namespace typ::bench {

// What the whole preview window costs, timed from outside its code.
struct TPreviewWindowTimes {
    // From the call to the end of the last paint of any of its windows.
    std::vector<double> Openings;
    // Per zoom button, from fit page: the click up to the end of every paint
    // it causes (sheet, scroll bars, status bar).
    std::vector<std::pair<std::wstring, std::vector<double>>> Steps;
};

TPreviewWindowTimes TimePreviewWindow(HWND owner, const TMemo& memo, int runs);

// What the window system itself takes to create, show maximised and paint an
// empty window: the floor under the opening figure.
double EmptyWindowOpening(HWND owner);

} // namespace typ::bench
