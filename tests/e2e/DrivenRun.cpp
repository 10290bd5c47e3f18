#include "DrivenRun.h"

#include <thread>

namespace typ::win {
namespace {

struct TDialogSearch {
    DWORD Process;
    HWND Found;
};

BOOL CALLBACK FindDialog(HWND candidate, LPARAM param) {
    auto& wanted = *reinterpret_cast<TDialogSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(candidate, &owner);
    wchar_t className[16] = {};
    GetClassNameW(candidate, className, 16);
    if (owner == wanted.Process && IsWindowVisible(candidate) &&
        std::wstring(className) == L"#32770")
        wanted.Found = candidate;
    return wanted.Found == nullptr;
}

} // namespace

TProcessResult RunDriven(const std::wstring& program, const std::vector<std::wstring>& args,
                         const TDriveRequest& request, TDriveResult& drive,
                         std::chrono::milliseconds timeout) {
    TDriveRequest watched = request;
    HWND editor = nullptr;
    watched.WhileShown = [&](HWND shown) {
        editor = shown;
        if (request.WhileShown)
            request.WhileShown(shown);
    };
    std::thread person([&] { drive = DriveEditor(watched); });
    TProcessResult run = RunProcess(program, args, timeout);
    person.join();
    if (run.TimedOut && editor) {
        EndOwnerProcess(editor); // the host was ended; its server would wait on
    }
    return run;
}

HWND WaitForDialogOf(HWND window, std::chrono::milliseconds wait) {
    TDialogSearch search{0, nullptr};
    GetWindowThreadProcessId(window, &search.Process);
    for (auto waited = std::chrono::milliseconds(0); waited < wait && search.Found == nullptr;
         waited += std::chrono::milliseconds(100)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    }
    return search.Found;
}

std::wstring DialogMessage(HWND dialog) {
    std::wstring text;
    for (HWND label : Descendants(dialog, L"Static")) {
        wchar_t line[512] = {};
        GetWindowTextW(label, line, 512);
        text += line;
    }
    return text;
}

} // namespace typ::win
