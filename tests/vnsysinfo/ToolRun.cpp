#include "ToolRun.h"

#ifdef _WIN32
#include "ProcessRunner.h"
#include "charconv/UnicodeBytes.h"
#include "platform/WideText.h"

#include <chrono>
#include <string>

namespace typ::test {
namespace {

// Console output in text mode ends its lines with CR LF.
std::string WithoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}

} // namespace

TToolRun RunTool(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<std::wstring> wide;
    for (const std::string& argument : arguments)
        wide.push_back(win::Wide(DecodeUtf8(argument)));
    const win::TProcessResult result =
        win::RunProcess(win::WinePath(program), wide, std::chrono::milliseconds(30000));
    TToolRun run;
    run.ExitCode = result.Started && !result.TimedOut ? static_cast<int>(result.ExitCode) : -1;
    run.Out = WithoutCarriageReturns(result.Out);
    run.Err = WithoutCarriageReturns(result.Err);
    return run;
}

} // namespace typ::test
#else
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace typ::test {
namespace {

// A temporary file removed at the end.
class TCapture {
public:
    TCapture() : FPath("/tmp/vnsysinfo-run-XXXXXX") {
        const int fd = mkstemp(FPath.data());
        if (fd >= 0)
            close(fd);
    }
    ~TCapture() { std::remove(FPath.c_str()); }
    TCapture(const TCapture&) = delete;
    TCapture& operator=(const TCapture&) = delete;

    const std::string& Path() const { return FPath; }
    std::string Read() const {
        std::ifstream in(FPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::string FPath;
};

} // namespace

TToolRun RunTool(const std::string& program, const std::vector<std::string>& arguments) {
    TCapture out;
    TCapture err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.Path().c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, 2, err.Path().c_str(), O_WRONLY | O_TRUNC, 0);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    TToolRun run;
    if (spawned != 0)
        return run;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return run;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Out = out.Read();
    run.Err = err.Read();
    return run;
}

} // namespace typ::test
#endif
