#include "PreviewWindowTime.h"

#include "Figures.h"
#include "editor/PrintPreview.h"

#include <chrono>
#include <map>

namespace typ::bench {

namespace {

using TClock = std::chrono::steady_clock;

constexpr const wchar_t* kZoomButtons[] = {L"Ajustar al ancho", L"50 %", L"100 %", L"200 %"};

double Since(TClock::time_point start, TClock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// Every window the preview creates is subclassed, so that the end of each
// one's paint is seen; a timer, whose message comes only once no paint is
// due, then steps through the zooms and closes the preview.
struct TWatch {
    TClock::time_point LastPaintEnd;
    TClock::time_point Opened;
    std::map<HWND, WNDPROC> Procs;
    TPreviewWindowTimes* Times = nullptr;
};

TWatch* Watch = nullptr;

LRESULT CALLBACK WatchedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(Watch->Procs[window], window, message, wParam, lParam);
    if (message == WM_PAINT)
        Watch->LastPaintEnd = TClock::now();
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

HWND ButtonOf(HWND preview, const wchar_t* caption) {
    const HWND strip = FindWindowExW(preview, nullptr, L"TypPanel", nullptr);
    return FindWindowExW(strip, nullptr, L"Button", caption);
}

double Click(HWND preview, const wchar_t* caption) {
    return Milliseconds([&] {
        SendMessageW(ButtonOf(preview, caption), BM_CLICK, 0, 0);
        RedrawWindow(preview, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
    });
}

void CALLBACK StepAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    Watch->Opened = Watch->LastPaintEnd;
    const HWND preview = FindWindowW(win::kPreviewWindowClass, nullptr);
    for (std::size_t step = 0; step < std::size(kZoomButtons); ++step) {
        Click(preview, L"Ajustar a la página");
        Watch->Times->Steps[step].second.push_back(Click(preview, kZoomButtons[step]));
    }
    PostMessageW(preview, WM_CLOSE, 0, 0);
}

} // namespace

TPreviewWindowTimes TimePreviewWindow(HWND owner, const TMemo& memo, int runs) {
    TPreviewWindowTimes times;
    for (const wchar_t* caption : kZoomButtons)
        times.Steps.emplace_back(caption, std::vector<double>{});
    for (int run = 0; run < runs; ++run) {
        TWatch watch;
        watch.Times = &times;
        Watch = &watch;
        const HHOOK hook = SetWindowsHookExW(WH_CBT, &WatchCreation, nullptr, GetCurrentThreadId());
        SetTimer(nullptr, 0, 300, &StepAndClose);
        const auto start = TClock::now();
        win::ShowPrintPreview(owner, u"preview_time", memo);
        UnhookWindowsHookEx(hook);
        Watch = nullptr;
        times.Openings.push_back(Since(start, watch.Opened));
    }
    return times;
}

double EmptyWindowOpening(HWND owner) {
    HWND window = nullptr;
    const double opening = Milliseconds([&] {
        window =
            CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, nullptr, nullptr);
        ShowWindow(window, SW_SHOWMAXIMIZED);
        UpdateWindow(window);
        GdiFlush();
    });
    DestroyWindow(window);
    return opening;
}

} // namespace typ::bench
