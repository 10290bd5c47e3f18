#include "ProcessRunner.h"

#include <windows.h>
#include <chrono>

namespace typ::win {
namespace {

struct TPipe {
    HANDLE Read = nullptr;
    HANDLE Write = nullptr;
};

TPipe InheritablePipe() {
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), nullptr, TRUE};
    TPipe pipe;
    if (CreatePipe(&pipe.Read, &pipe.Write, &attributes, 0)) {
        SetHandleInformation(pipe.Read, HANDLE_FLAG_INHERIT, 0);
    }
    return pipe;
}

// Takes what the pipe holds now, without waiting for more. Waiting for every
// writer to close would hang: a program that starts the session's desktop or
// services hands them its standard handles, and they outlive it.
void TakeAvailable(HANDLE source, std::string& into) {
    char buffer[4096];
    DWORD available = 0;
    while (PeekNamedPipe(source, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        DWORD read = 0;
        const DWORD wanted = available < sizeof(buffer) ? available : sizeof(buffer);
        if (!ReadFile(source, buffer, wanted, &read, nullptr) || read == 0) {
            return;
        }
        into.append(buffer, read);
    }
}

// Waits for the process's end, emptying both pipes meanwhile so that a
// program printing more than a pipe holds never blocks; true when it ended.
bool WaitCollecting(HANDLE process, std::chrono::milliseconds timeout, TPipe& out, TPipe& err,
                    TProcessResult& result) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const bool ended = WaitForSingleObject(process, 10) == WAIT_OBJECT_0;
        TakeAvailable(out.Read, result.Out);
        TakeAvailable(err.Read, result.Err);
        if (ended) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
    }
}

// An argument in quotes, as the C run-time splits a command line: backslashes
// are doubled where a quote follows them.
std::wstring Quoted(const std::wstring& arg) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

std::wstring CommandLine(const std::wstring& program, const std::vector<std::wstring>& args) {
    std::wstring line = Quoted(program);
    for (const auto& arg : args) {
        line += L" " + Quoted(arg);
    }
    return line;
}

} // namespace

TProcessResult RunProcess(const std::wstring& program, const std::vector<std::wstring>& args,
                          std::chrono::milliseconds timeout) {
    TProcessResult result;
    TPipe out = InheritablePipe();
    TPipe err = InheritablePipe();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out.Write;
    startup.hStdError = err.Write;
    PROCESS_INFORMATION process{};
    std::wstring line = CommandLine(program, args);
    // A Wine session that is ending can refuse a new process for a moment.
    for (int attempt = 0; attempt < 3 && !result.Started; ++attempt) {
        if (attempt > 0)
            Sleep(500);
        result.Started = CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    }
    CloseHandle(out.Write);
    CloseHandle(err.Write);
    if (result.Started) {
        result.TimedOut = !WaitCollecting(process.hProcess, timeout, out, err, result);
        if (result.TimedOut) {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, INFINITE);
        }
        GetExitCodeProcess(process.hProcess, &result.ExitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out.Read);
    CloseHandle(err.Read);
    return result;
}

std::wstring Utf16(const std::string& utf8) {
    std::wstring text(utf8.size(), L'\0');
    text.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                            static_cast<int>(text.size()))));
    return text;
}

std::wstring WinePath(std::string_view unixPath) {
    std::wstring path = L"Z:";
    for (const char c : unixPath) {
        path += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    return path;
}

} // namespace typ::win
