// typ_latency: key to pixels, measured from outside like a camera, for the
// hosted editor and for Wine's notepad in the same run. A figure, not a test.
//   typ_latency SERVER.exe [--samples N] [--label TEXT]
#include "Caret.h"
#include "EditorHost.h"
#include "Keyboard.h"
#include "Notepad.h"
#include "Scenarios.h"

#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <thread>

namespace {

using namespace typ::bench;
using namespace std::chrono_literals;

constexpr wchar_t kCaption[] = L"Latencia del editor TYP";

struct TOptions {
    std::wstring Server;
    int Samples = 40;
    std::wstring Label;
};

// Every line different from its neighbours, so a scrolled row shows other
// pixels: its number, then digits shifted by one per line.
std::string PageText(int width, int height) {
    std::string text;
    for (int line = 0; line < height; ++line) {
        char number[16];
        std::snprintf(number, sizeof(number), "%03d ", line % 1000);
        std::string row = std::string(number).substr(0, static_cast<std::size_t>(width));
        for (int column = static_cast<int>(row.size()); column < width; ++column)
            row += static_cast<char>('0' + (line + column) % 10);
        text += row + (line + 1 < height ? "\r\n" : "");
    }
    return text;
}

std::wstring Widened(const std::string& text) {
    return {text.begin(), text.end()};
}

constexpr int kQuietSamples = 8;

struct TEditorRun {
    TSamples Overwrite, Insert, Arrow, Scroll, Quiet;
};

struct TNotepadRun {
    TSamples Typing, Arrow, Scroll, Quiet;
};

DWORD FocusedThread(HWND window) {
    SetForegroundWindow(window);
    std::this_thread::sleep_for(300ms);
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    WaitForCaret(thread);
    return thread;
}

void MeasureEditor(HWND editor, int samples, int width, TEditorRun& run) {
    const int perLine = std::max(width - 5, 1);
    const DWORD thread = FocusedThread(editor);
    ToLineStart(1);
    run.Overwrite = TypeLetters(thread, samples, perLine);
    Press(VK_INSERT);
    ToLineStart(3);
    run.Insert = TypeLetters(thread, samples, perLine);
    Press(VK_INSERT);
    ToLineStart(5);
    run.Arrow = MoveCaretSideways(thread, samples);
    ToLineStart(0);
    run.Scroll = ScrollAtBottom(thread, samples);
    run.Quiet = PressNothing(thread, kQuietSamples);
}

TEditorRun RunEditor(int samples, int width, int height) {
    TEditorRun run;
    typ::win::TEditorHost host;
    typ::win::TShowCall call;
    call.Caption = kCaption;
    call.Timeout = 10min;
    call.WhileShown = [&](HWND editor) { MeasureEditor(editor, samples, width, run); };
    const auto shown = host.Show(call, Widened(PageText(width, height)));
    if (!shown.Drive.Problem.empty())
        std::fwprintf(stderr, L"typ_latency: %ls\n", shown.Drive.Problem.c_str());
    return run;
}

TNotepadRun RunNotepad(int samples) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring file = std::wstring(folder) + L"typ-latency.txt";
    WriteTextFile(file, PageText(250, 500));
    TNotepadRun run;
    const TNotepad notepad(file);
    if (notepad.Window() == nullptr)
        return run;
    const DWORD thread = FocusedThread(notepad.Window());
    ToLineStart(1);
    run.Typing = TypeLetters(thread, samples, 200);
    ToLineStart(5);
    run.Arrow = MoveCaretSideways(thread, samples);
    ToLineStart(0);
    run.Scroll = ScrollAtBottom(thread, samples);
    run.Quiet = PressNothing(thread, kQuietSamples);
    return run;
}

void PrintRow(const wchar_t* scenario, const TSamples& editor, const TSamples& notepad) {
    const TFigures ours = Summarise(editor.Ms);
    const TFigures theirs = Summarise(notepad.Ms);
    const double ratio = theirs.Median > 0 ? ours.Median / theirs.Median : 0;
    std::wprintf(L"%-34ls %8.1f %8.1f %8.1f %8.1f %7.2f %4d/%d\n", scenario, ours.Median, ours.P90,
                 theirs.Median, theirs.P90, ratio, editor.Missed, notepad.Missed);
}

void Print(const TOptions& options, const TEditorRun& large, const TEditorRun& small,
           const TNotepadRun& notepad) {
    std::wprintf(L"key -> pixels, ms, %d samples each%ls%ls\n", options.Samples,
                 options.Label.empty() ? L"" : L": ", options.Label.c_str());
    std::wprintf(L"%-34ls %8ls %8ls %8ls %8ls %7ls %6ls\n", L"scenario (editor vs notepad)",
                 L"median", L"p90", L"np med", L"np p90", L"ratio", L"missed");
    std::wprintf(L"%-34ls %8ls %8ls\n", L"", L"editor", L"editor");
    PrintRow(L"overwrite typing, 250 x 500", large.Overwrite, notepad.Typing);
    PrintRow(L"insert typing, 250 x 500", large.Insert, notepad.Typing);
    PrintRow(L"arrow caret move, 250 x 500", large.Arrow, notepad.Arrow);
    PrintRow(L"one-line scroll at bottom, 250 x 500", large.Scroll, notepad.Scroll);
    PrintRow(L"overwrite typing, 20 x 5", small.Overwrite, notepad.Typing);
    std::wprintf(
        L"changes seen after Shift alone (should be none): editor %zu/%d, notepad %zu/%d\n",
        large.Quiet.Ms.size(), kQuietSamples, notepad.Quiet.Ms.size(), kQuietSamples);
}

bool ReadOptions(int argc, wchar_t** argv, TOptions& options) {
    if (argc < 2)
        return false;
    options.Server = argv[1];
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::wstring option = argv[i];
        if (option == L"--samples")
            options.Samples = std::max(static_cast<int>(std::wcstol(argv[i + 1], nullptr, 10)), 1);
        else if (option == L"--label")
            options.Label = argv[i + 1];
        else
            return false;
    }
    return argc % 2 == 0;
}

int Run(const TOptions& options) {
    if (FAILED(CoInitialize(nullptr)) || !typ::win::RegisterServerOnce(options.Server)) {
        std::fputws(L"typ_latency: the server cannot be registered\n", stderr);
        return 2;
    }
    const TEditorRun large = RunEditor(options.Samples, 250, 500);
    TEditorRun small;
    small.Overwrite = RunEditor(options.Samples, 20, 5).Overwrite;
    const TNotepadRun notepad = RunNotepad(options.Samples);
    Print(options, large, small, notepad);
    CoUninitialize();
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    TOptions options;
    if (!ReadOptions(argc, argv, options)) {
        std::fputws(L"usage: typ_latency SERVER.exe [--samples N] [--label TEXT]\n", stderr);
        return 1;
    }
    try {
        return Run(options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "typ_latency: %s\n", error.what());
        return 3;
    }
}
