#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace typ::win {

struct TProcessResult {
    bool Started = false;
    bool TimedOut = false; // then the process was ended
    unsigned long ExitCode = 0;
    std::string Out; // standard output, as bytes
    std::string Err; // standard error, as bytes
};

// Runs a program with arguments (each quoted), collects what it prints and
// waits for its end; a program still running at the time-out is ended.
TProcessResult RunProcess(const std::wstring& program, const std::vector<std::wstring>& args,
                          std::chrono::milliseconds timeout);

// What a program printed (UTF-8 bytes) as text.
std::wstring Utf16(const std::string& utf8);

// A Unix path as programs under Wine see it: "/a/b" is "Z:\a\b".
std::wstring WinePath(std::string_view unixPath);

} // namespace typ::win
