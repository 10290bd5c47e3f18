// editor_creation_time: how long creating the editor window takes, and how
// much of it the tool bar's pictures take, the first time (when their image
// modules load) and later. A figure for the log of the test run, not a test.
#include "editor/EditorWindow.h"
#include "editor/ToolBarPictures.h"

#include <windows.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;
constexpr int kRuns = 25;

template <typename TAction> double Milliseconds(TAction action) {
    const auto start = TClock::now();
    action();
    return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

template <typename TAction> double Median(TAction action) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run)
        times.push_back(Milliseconds(action));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

// With "pictures-first" the first thing timed is the pictures alone, so their
// first figure includes loading the modules; otherwise the first window does.
int main(int argc, char** argv) {
    using namespace typ::win;
    const bool picturesFirst = argc > 1 && std::string_view(argv[1]) == "pictures-first";
    double first = 0;
    if (picturesFirst)
        first = Milliseconds([] { ToolBarPictures(); });
    else
        first = Milliseconds([] { TfrmEditorTYP form; });
    const double pictures = Median([] { ToolBarPictures(); });
    const double window = Median([] { TfrmEditorTYP form; });
    std::printf("first %s: %.2f ms (the image modules load)\n",
                picturesFirst ? "tool-bar pictures" : "editor window", first);
    std::printf("tool-bar pictures: %.2f ms\n", pictures);
    std::printf("editor window creation: %.2f ms with the pictures, %.2f ms without them "
                "(medians of %d)\n",
                window, window - pictures, kRuns);
    return 0;
}
