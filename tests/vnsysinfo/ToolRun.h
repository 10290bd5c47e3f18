#pragma once

#include <string>
#include <vector>

namespace typ::test {

// What a program run to its end printed and returned.
struct TToolRun {
    int ExitCode = -1;
    // What the program printed, as bytes; lines end in LF alone (the CR of a
    // Windows text-mode line end is dropped).
    std::string Out;
    std::string Err;
};

// Runs the program (its Unix path) with the arguments (UTF-8) and waits for its end, at most
// 30 seconds (then it is ended and the exit code is -1).
TToolRun RunTool(const std::string& program, const std::vector<std::string>& arguments);

} // namespace typ::test
