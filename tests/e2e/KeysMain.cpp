// e2e_keys: plays the person at the keyboard for hosts that cannot, such as a
// script: waits for the editor window, types into it, optionally takes its
// picture, and closes it with Escape.
//   e2e_keys --caption TEXT [--keys SCRIPT] [--window HANDLE] [--shot FILE.png]
//            [--timeout SECONDS]
// Exit code 0 when the window showed, took the keys and closed; 1 for a bad
// command line; 2 when something went wrong (told on standard error).
#include "WindowDriver.h"

#include <windows.h>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

using namespace typ::win;

bool ReadArgs(int argc, wchar_t** argv, TDriveRequest& request) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring option = argv[i];
        const wchar_t* value = argv[i + 1];
        if (option == L"--caption") {
            request.Caption = value;
        } else if (option == L"--keys") {
            request.Keys = value;
        } else if (option == L"--window") {
            request.Window =
                reinterpret_cast<HWND>(static_cast<LONG_PTR>(std::wcstoll(value, nullptr, 0)));
        } else if (option == L"--shot") {
            request.ScreenshotFile = value;
        } else if (option == L"--timeout") {
            request.Timeout = std::chrono::seconds(std::wcstol(value, nullptr, 10));
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && !request.Caption.empty();
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    TDriveRequest request;
    if (!ReadArgs(argc, argv, request)) {
        std::fputws(L"usage: e2e_keys --caption TEXT [--keys SCRIPT] [--window HANDLE] "
                    L"[--shot FILE.png] [--timeout SECONDS]\n",
                    stderr);
        return 1;
    }
    const TDriveResult result = DriveEditor(request);
    if (!result.Problem.empty()) {
        std::fwprintf(stderr, L"e2e_keys: %ls\n", result.Problem.c_str());
        return 2;
    }
    return 0;
}
