// preview_time: what opening the print preview of a 250 x 500 page of frame
// characters costs (laying it out for the sheet, then the first paint; and the
// whole window up to the end of its last paint), and what one zoom step's
// repaint costs, at each zoom. Without a printer: an A4 sheet. A figure for
// the log of the test run, not a test.
#include "Figures.h"
#include "FramePage.h"
#include "editor/PreviewSheetView.h"
#include "editor/PreviewTarget.h"
#include "editor/PrintPreview.h"

#include <windows.h>
#include <chrono>
#include <cstdio>
#include <map>
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

// The whole preview window, timed from outside its code: every window it
// creates is subclassed, so that the end of each one's paint is seen; a timer,
// whose message comes only once no paint is due, then closes the preview.
struct TOpeningWatch {
    std::chrono::steady_clock::time_point LastPaintEnd;
    std::map<HWND, WNDPROC> Procs;
    HHOOK Hook = nullptr;
};

TOpeningWatch* Watch = nullptr;

LRESULT CALLBACK WatchedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC original = Watch->Procs[window];
    const LRESULT result = CallWindowProcW(original, window, message, wParam, lParam);
    if (message == WM_PAINT)
        Watch->LastPaintEnd = std::chrono::steady_clock::now();
    return result;
}

LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        Watch->Procs[window] = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchedProc)));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK ClosePreview(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostMessageW(FindWindowW(typ::win::kPreviewWindowClass, nullptr), WM_CLOSE, 0, 0);
}

double WholeWindowOpening(HWND owner, const typ::TMemo& memo) {
    TOpeningWatch watch;
    Watch = &watch;
    watch.Hook = SetWindowsHookExW(WH_CBT, &WatchCreation, nullptr, GetCurrentThreadId());
    SetTimer(nullptr, 0, 300, &ClosePreview);
    const auto start = std::chrono::steady_clock::now();
    typ::win::ShowPrintPreview(owner, u"preview_time", memo);
    UnhookWindowsHookEx(watch.Hook);
    Watch = nullptr;
    return std::chrono::duration<double, std::milli>(watch.LastPaintEnd - start).count();
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
    std::vector<double> wholes;
    for (int run = 0; run < kRuns; ++run)
        wholes.push_back(WholeWindowOpening(frame, memo));
    std::printf("opening the whole preview window, layout included, to the end of its last "
                "paint: %.2f ms\n",
                Summarise(wholes).Median);
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
