#pragma once

// Shared by the tests of the folders and logging units: a private temporary
// folder that stands in for the machine-wide application data, so that
// Log.Ini and the default log folder of each test are its own.

#include "environment/FilePath.h"
#include "environment/VnPaths.h"
#include "logging/ManagedLogFile.h"
#include "platform/Clock.h"
#include "platform/Environment.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace typ::test {

// Sets or (with no value) removes a variable of the process environment;
// processes started afterwards inherit it.
inline void SetEnvironmentValue(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
    _putenv((name + "=" + value.value_or("")).c_str());
#else
    if (value) {
        setenv(name.c_str(), value->c_str(), 1);
    } else {
        unsetenv(name.c_str());
    }
#endif
}

inline std::optional<std::string> EnvironmentValue(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

// Restores an environment variable when the scope ends.
class TEnvironmentGuard {
public:
    explicit TEnvironmentGuard(std::string name)
        : FName(std::move(name)), FSaved(EnvironmentValue(FName)) {}
    ~TEnvironmentGuard() { SetEnvironmentValue(FName, FSaved); }
    TEnvironmentGuard(const TEnvironmentGuard&) = delete;
    TEnvironmentGuard& operator=(const TEnvironmentGuard&) = delete;

private:
    std::string FName;
    std::optional<std::string> FSaved;
};

// A new empty folder under the system's temporary folder, removed at the end.
class TTempFolder {
public:
    TTempFolder() {
        static std::atomic<int> counter{0};
        std::random_device random;
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        FPath = std::filesystem::temp_directory_path() /
                ("typlog" + std::to_string(random() % 1000000) + "_" +
                 std::to_string(stamp % 1000000) + "_" + std::to_string(counter++));
        std::filesystem::create_directories(FPath);
    }
    ~TTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(FPath, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const std::filesystem::path& Path() const { return FPath; }
    // The folder as the core writes paths, with a trailing delimiter.
    std::u16string Text() const { return IncludeTrailingPathDelimiter(FPath.u16string()); }

private:
    std::filesystem::path FPath;
};

// The machine-wide application data redirected into a temporary folder (the
// Windows setting "%ProgramData%" follows the variable as the POSIX one does),
// with the folder cache and the thread's log store emptied before and after.
class TAppDataSandbox {
public:
    TAppDataSandbox() : FGuard("ProgramData") {
        SetEnvironmentValue("ProgramData", FRoot.Path().string());
        TVnPaths::ClearCache();
        TManagedLogFile::ClearThreadData();
    }
    ~TAppDataSandbox() {
        TManagedLogFile::ClearThreadData();
        TVnPaths::ClearCache();
    }
    TAppDataSandbox(const TAppDataSandbox&) = delete;
    TAppDataSandbox& operator=(const TAppDataSandbox&) = delete;

    const TTempFolder& Root() const { return FRoot; }
    // <root>/Velnor/ and <root>/Velnor/Logs/, as the core spells them.
    std::u16string Velnor() const { return FRoot.Text() + u"Velnor" + kPathDelim; }
    std::u16string Logs() const { return Velnor() + u"Logs" + kPathDelim; }
    std::u16string LogIni() const { return Velnor() + u"Log.Ini"; }
    // The default log of this program.
    std::u16string ProgramLog() const {
        return Logs() + ChangeFileExt(ExtractFileName(Environment().ProgramPath()), u".log");
    }

private:
    TEnvironmentGuard FGuard;
    TTempFolder FRoot;
};

inline std::string ReadBytes(const std::u16string& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Replaces the file's content, creating its folder when missing.
inline void WriteBytes(const std::u16string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The lines of a file (CR LF ends every line), as bytes.
inline std::vector<std::string> ReadLines(const std::u16string& path) {
    std::vector<std::string> lines;
    const std::string bytes = ReadBytes(path);
    std::size_t start = 0;
    for (std::size_t end = bytes.find("\r\n"); end != std::string::npos;
         end = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    if (start < bytes.size()) {
        lines.push_back(bytes.substr(start));
    }
    return lines;
}

// The messages of the technical entries of a log.
inline std::vector<std::string> TechMessages(const std::u16string& log) {
    constexpr std::string_view kTag = "| T_TECH | ";
    std::vector<std::string> messages;
    for (const std::string& line : ReadLines(log)) {
        const std::size_t tag = line.find(kTag);
        if (tag != std::string::npos) {
            messages.push_back(line.substr(tag + kTag.size()));
        }
    }
    return messages;
}

// Fake clock for the tests that need a known time; it still really sleeps.
class TFixedClock final : public TClock {
public:
    explicit TFixedClock(TDateTime now) : FNow(now) { SetClock(this); }
    ~TFixedClock() override { SetClock(nullptr); }
    TFixedClock(const TFixedClock&) = delete;
    TFixedClock& operator=(const TFixedClock&) = delete;

    TDateTime Now() const override { return FNow; }
    void Sleep(int milliseconds) const override { SystemClock().Sleep(milliseconds); }

private:
    TDateTime FNow;
};

} // namespace typ::test
