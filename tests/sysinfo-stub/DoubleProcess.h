#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace typ::test {

// The service double as a process of its own on a free loopback port,
// keeping its journal of calls in a temporary file; ended and its journal
// removed at the end of the scope.
class TDoubleProcess {
public:
    TDoubleProcess();
    ~TDoubleProcess();
    TDoubleProcess(const TDoubleProcess&) = delete;
    TDoubleProcess& operator=(const TDoubleProcess&) = delete;

    // False when the program did not start or did not come to listen.
    bool Listening() const { return FListening; }
    std::uint16_t Port() const { return FPort; }
    // The calls of a method that reached the double.
    int Calls(std::string_view method) const;
    // "<method>\t<HLNumber>\t<lines>" of every Set call in order, with CR and
    // LF written as \r and \n.
    std::vector<std::string> Sets() const;

private:
    std::vector<std::string> JournalLines() const;

    std::filesystem::path FJournal;
    std::uint16_t FPort = 0;
    bool FListening = false;
    std::intptr_t FProcess = 0; // the process id, or its handle on Windows
};

} // namespace typ::test
