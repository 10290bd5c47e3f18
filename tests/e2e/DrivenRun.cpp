#include "DrivenRun.h"

#include <thread>

namespace typ::win {
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
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HWND dialog = nullptr;
    for (auto waited = std::chrono::milliseconds(0); waited < wait && dialog == nullptr;
         waited += std::chrono::milliseconds(100)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        dialog = VisibleWindowOf(process, L"#32770");
    }
    return dialog;
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
