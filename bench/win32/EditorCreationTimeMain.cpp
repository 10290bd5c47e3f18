// editor_creation_time: how long creating the editor window takes, and how
// much of it the tool bar's pictures take, the first time (when their image
// modules load) and later. A figure for the log of the test run, not a test.
#include "Figures.h"
#include "editor/EditorWindow.h"
#include "editor/ToolBarPictures.h"

#include <windows.h>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

using typ::bench::Milliseconds;
using typ::bench::Summarise;

constexpr int kRuns = 25;

void NewWindow() {
    typ::win::TfrmEditorTYP form;
    form.Handle();
}

void NewPictures() {
    typ::win::ToolBarPictures();
}

} // namespace

// With "pictures-first" the first thing timed is the pictures alone, so their
// first figure includes loading the modules; otherwise the first window does.
int main(int argc, char** argv) {
    const bool picturesFirst = argc > 1 && std::string_view(argv[1]) == "pictures-first";
    const double first = Milliseconds(picturesFirst ? NewPictures : NewWindow);
    // Alternated, so that both figures see the same load of the machine.
    std::vector<double> pictureTimes;
    std::vector<double> windowTimes;
    for (int run = 0; run < kRuns; ++run) {
        pictureTimes.push_back(Milliseconds(NewPictures));
        windowTimes.push_back(Milliseconds(NewWindow));
    }
    const double pictures = Summarise(pictureTimes).Median;
    const double window = Summarise(windowTimes).Median;
    std::printf("first %s: %.2f ms (the image modules load)\n",
                picturesFirst ? "tool-bar pictures" : "editor window", first);
    std::printf("tool-bar pictures: %.2f ms\n", pictures);
    std::printf("editor window creation: %.2f ms with the pictures, %.2f ms without them "
                "(medians of %d)\n",
                window, window - pictures, kRuns);
    return 0;
}
