#include "DoubleProcess.h"

#include "platform/TcpSocket.h"

#include <chrono>
#include <fstream>
#include <random>
#include <thread>

#ifdef _WIN32
#include "ProcessRunner.h"

#include <windows.h>
#else
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;
#endif

namespace typ::test {
namespace {

std::uint16_t FreePort() {
    return TcpNetwork().ListenLoopback(0)->LocalPort();
}

std::filesystem::path NewJournalPath() {
    std::random_device random;
    return std::filesystem::temp_directory_path() /
           ("double-journal-" + std::to_string(random()) + ".txt");
}

bool Accepts(std::uint16_t port) {
    try {
        TcpNetwork().Connect("127.0.0.1", port, std::chrono::milliseconds(500));
        return true;
    } catch (const ETcpError&) {
        return false;
    }
}

#ifdef _WIN32
std::intptr_t Start(const std::vector<std::string>& arguments) {
    std::wstring command = L"\"" + win::WinePath(TYP_DOUBLE_EXE) + L"\"";
    for (const std::string& argument : arguments)
        command += L" \"" + std::wstring(argument.begin(), argument.end()) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process))
        return 0;
    CloseHandle(process.hThread);
    return reinterpret_cast<std::intptr_t>(process.hProcess);
}

void End(std::intptr_t process) {
    const HANDLE handle = reinterpret_cast<HANDLE>(process);
    TerminateProcess(handle, 0);
    WaitForSingleObject(handle, 10000);
    CloseHandle(handle);
}
#else
std::intptr_t Start(const std::vector<std::string>& arguments) {
    std::vector<char*> argv{const_cast<char*>(TYP_DOUBLE_EXE)};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, TYP_DOUBLE_EXE, nullptr, nullptr, argv.data(), environ) != 0)
        return 0;
    return pid;
}

void End(std::intptr_t process) {
    const auto pid = static_cast<pid_t>(process);
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}
#endif

} // namespace

TDoubleProcess::TDoubleProcess() : FJournal(NewJournalPath()), FPort(FreePort()) {
    FProcess = Start({"--port", std::to_string(FPort), "--journal", FJournal.string()});
    if (FProcess == 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!FListening && std::chrono::steady_clock::now() < deadline) {
        FListening = Accepts(FPort);
        if (!FListening)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

TDoubleProcess::~TDoubleProcess() {
    if (FProcess != 0)
        End(FProcess);
    std::error_code ignored;
    std::filesystem::remove(FJournal, ignored);
}

std::vector<std::string> TDoubleProcess::JournalLines() const {
    std::ifstream in(FJournal, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

int TDoubleProcess::Calls(std::string_view method) const {
    int calls = 0;
    for (const std::string& line : JournalLines())
        if (line == "call " + std::string(method))
            ++calls;
    return calls;
}

std::vector<std::string> TDoubleProcess::Sets() const {
    std::vector<std::string> sets;
    for (const std::string& line : JournalLines())
        if (line.starts_with("set "))
            sets.push_back(line.substr(4));
    return sets;
}

} // namespace typ::test
