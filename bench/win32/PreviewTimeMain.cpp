// preview_time: what opening the print preview of a 250 x 500 page of frame
// characters costs (laying it out for the sheet, then the first paint), and
// what one zoom step's repaint costs, at each zoom. Without a printer: an A4
// sheet. A figure for the log of the test run, not a test.
#include "Figures.h"
#include "FramePage.h"
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

void Repaint(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
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
        openings.push_back(Milliseconds([&] {
            win::TPreviewSheetView view(frame, target, nullptr);
            MoveWindow(view.Handle(), 0, 0, 1280, 960, FALSE);
            Repaint(view.Handle());
        }));
    }
    std::printf("layout of 250 x 500 frame characters for the sheet: %.2f ms (%zu segments)\n",
                Summarise(layouts).Median, target.Layout.Segments.size());
    std::printf("opening, layout excluded (window and first paint, fit page): %.2f ms\n",
                Summarise(openings).Median);
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
