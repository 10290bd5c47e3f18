// e2e_start_time: how long a person waits for the editor, next to how long
// Wine's own notepad takes to show, measured in the same run. A figure, not a
// test.
//   e2e_start_time SERVER.exe [RUNS]
#include "EditorHost.h"
#include "WindowDriver.h"

#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <thread>
#include <vector>

namespace {

using namespace typ::win;
using namespace std::chrono_literals;
using TClock = std::chrono::steady_clock;
using std::chrono::milliseconds;

milliseconds Since(TClock::time_point start) {
    return std::chrono::duration_cast<milliseconds>(TClock::now() - start);
}

struct TEditorStart {
    milliseconds Created; // CoCreateInstance returned
    milliseconds Shown;   // the window is on screen
};

// From CoCreateInstance to the editor window on screen.
TEditorStart EditorStart() {
    const auto start = TClock::now();
    TEditorHost host;
    TEditorStart times{Since(start), 0ms};
    TShowCall call;
    call.Caption = L"e2e start time";
    call.WhileShown = [&](HWND) { times.Shown = Since(start); };
    host.Show(call, L"ab");
    return times;
}

// From starting notepad.exe to its window on screen; 0 when it never shows.
milliseconds NotepadStart() {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    wchar_t line[] = L"notepad.exe";
    const auto start = TClock::now();
    if (!CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return 0ms;
    }
    HWND window = nullptr;
    while (window == nullptr && Since(start) < 30s) {
        window = typ::win::VisibleWindowOf(process.dwProcessId);
        std::this_thread::sleep_for(5ms);
    }
    const milliseconds shown = window != nullptr ? Since(start) : 0ms;
    if (window != nullptr) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) == WAIT_TIMEOUT) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown;
}

void Report(const wchar_t* what, std::vector<milliseconds> times) {
    std::wprintf(L"%ls:", what);
    for (const auto time : times) {
        std::wprintf(L" %lld", static_cast<long long>(time.count()));
    }
    std::sort(times.begin(), times.end());
    std::wprintf(L" ms; median %lld ms\n", static_cast<long long>(times[times.size() / 2].count()));
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fputws(L"usage: e2e_start_time SERVER.exe [RUNS]\n", stderr);
        return 1;
    }
    const int runs =
        argc > 2 ? std::max(1, static_cast<int>(std::wcstol(argv[2], nullptr, 10))) : 5;
    CoInitialize(nullptr);
    if (!RegisterServerOnce(argv[1])) {
        std::fputws(L"e2e_start_time: the server could not be registered\n", stderr);
        return 1;
    }
    std::vector<milliseconds> created;
    std::vector<milliseconds> shown;
    std::vector<milliseconds> notepad;
    for (int run = 0; run < runs; ++run) {
        const TEditorStart editor = EditorStart();
        created.push_back(editor.Created);
        shown.push_back(editor.Shown);
        notepad.push_back(NotepadStart());
    }
    CoUninitialize();
    Report(L"editor, CoCreateInstance returned", created);
    Report(L"editor, CoCreateInstance to visible window", shown);
    Report(L"notepad.exe, start to visible window", notepad);
    return 0;
}
