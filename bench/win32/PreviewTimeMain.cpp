// preview_time: what opening the print preview of a 250 x 500 page of frame
// characters costs (laying it out for the sheet, then the first paint; and the
// whole window up to the end of its last paint), and what one zoom step's
// repaint costs, at each zoom. Without a printer: an A4 sheet. A figure for
// the log of the test run, not a test.
#include "Figures.h"
#include "FramePage.h"
#include "PreviewWindowTime.h"
#include "editor/PreviewSheetView.h"
#include "editor/PreviewTarget.h"

#include <windows.h>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using typ::bench::Milliseconds;
using typ::bench::Summarise;

constexpr int kRuns = 15;

// The view and whatever of its scroll bars is due.
void Repaint(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
}

} // namespace

int main() {
    using namespace typ;
    const TMemo memo = bench::FramePage();
    const HWND frame = CreateWindowExW(0, L"STATIC", L"preview_time", WS_POPUP | WS_VISIBLE, 0, 0,
                                       1280, 960, nullptr, nullptr, nullptr, nullptr);
    std::vector<double> layouts;
    std::vector<double> openings;
    win::TPreviewTarget target;
    for (int run = 0; run < kRuns; ++run) {
        layouts.push_back(Milliseconds([&] { target = win::PreviewTargetFor(memo); }));
        // Closing is not opening: the view goes after the clock stops.
        std::unique_ptr<win::TPreviewSheetView> opened;
        openings.push_back(Milliseconds([&] {
            opened = std::make_unique<win::TPreviewSheetView>(frame, target, nullptr);
            MoveWindow(opened->Handle(), 0, 0, 1280, 960, FALSE);
            Repaint(opened->Handle());
        }));
    }
    std::printf("layout of 250 x 500 frame characters for the sheet: %.2f ms (%zu segments)\n",
                Summarise(layouts).Median, target.Layout.Segments.size());
    std::printf("opening, layout excluded (window and first paint, fit page): %.2f ms\n",
                Summarise(openings).Median);
    const bench::TPreviewWindowTimes window = bench::TimePreviewWindow(frame, memo, kRuns);
    std::vector<double> empties;
    for (int run = 0; run < kRuns; ++run)
        empties.push_back(bench::EmptyWindowOpening(frame));
    std::printf("opening the whole preview window, layout included, to the end of its last "
                "paint: %.2f ms (an empty window shown maximised: %.2f ms)\n",
                Summarise(window.Openings).Median, Summarise(empties).Median);
    for (const auto& [button, steps] : window.Steps)
        std::printf("whole window, from fit page, button \"%ls\": %.2f ms, every paint included\n",
                    button.c_str(), Summarise(steps).Median);
    win::TPreviewSheetView view(frame, target, nullptr);
    MoveWindow(view.Handle(), 0, 0, 1280, 960, FALSE);
    const TZoom zooms[] = {{TZoomMode::FitPage},
                           {TZoomMode::FitWidth},
                           {TZoomMode::Percent, 50},
                           {TZoomMode::Percent, 100},
                           {TZoomMode::Percent, 200}};
    for (const TZoom& zoom : zooms) {
        std::vector<double> steps;
        for (int run = 0; run < kRuns; ++run) {
            view.SetZoom({TZoomMode::Percent, 75});
            Repaint(view.Handle());
            steps.push_back(Milliseconds([&] {
                view.SetZoom(zoom);
                Repaint(view.Handle());
            }));
        }
        std::vector<double> repaints;
        for (int run = 0; run < kRuns; ++run)
            repaints.push_back(Milliseconds([&] { Repaint(view.Handle()); }));
        std::printf("zoom step to %d %%: %.2f ms; repaint there: %.2f ms (medians of %d)\n",
                    view.Percent(), Summarise(steps).Median, Summarise(repaints).Median, kRuns);
    }
    DestroyWindow(frame);
    return 0;
}
