#include "ProcessRunner.h"

#include <windows.h>
#include <thread>

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

// Reads until every writer has closed its end.
std::thread Drain(HANDLE source, std::string& into) {
    return std::thread([source, &into] {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(source, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
            into.append(buffer, read);
        }
        CloseHandle(source);
    });
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
    result.Started = CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0,
                                    nullptr, nullptr, &startup, &process);
    CloseHandle(out.Write);
    CloseHandle(err.Write);
    std::thread outReader = Drain(out.Read, result.Out);
    std::thread errReader = Drain(err.Read, result.Err);
    if (result.Started) {
        const auto waitMs = static_cast<DWORD>(timeout.count());
        result.TimedOut = WaitForSingleObject(process.hProcess, waitMs) == WAIT_TIMEOUT;
        if (result.TimedOut) {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, INFINITE);
        }
        GetExitCodeProcess(process.hProcess, &result.ExitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    outReader.join();
    errReader.join();
    return result;
}

std::wstring WinePath(std::string_view unixPath) {
    std::wstring path = L"Z:";
    for (const char c : unixPath) {
        path += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    return path;
}

} // namespace typ::win
