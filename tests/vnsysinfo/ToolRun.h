#pragma once

#include <string>
#include <vector>

namespace typ::test {

// What a program run to its end printed and returned.
struct TToolRun {
    int ExitCode = -1;
    std::string Out; // standard output, as bytes
    std::string Err; // standard error, as bytes
};

// Runs the program (its Unix path) with the arguments (UTF-8) and waits for its end, at most
// 30 seconds (then it is ended and the exit code is -1).
TToolRun RunTool(const std::string& program, const std::vector<std::string>& arguments);

} // namespace typ::test
