#include "logging/TextWriter.h"

#include "LogTestSupport.h"
#include "StubTestSupport.h"
#include "environment/Format.h"
#include "environment/StrUtils.h"
#include "environment/VersionInfo.h"
#include "environment/WindowsVersion.h"
#include "logging/TextEncoding.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <thread>

namespace typ {
namespace {

using test::ReadBytes;
using test::ReadLines;
using test::TAppDataSandbox;
using test::TFixedClock;
using test::WriteBytes;

const TDateTime kNoon{2024, 5, 17, 14, 3, 27, 91};
const std::string kStamp = "2024/05/17 14:03:27:091";

std::string Ansi(std::u16string_view text) {
    return EncodeText(text, TTextEncoding::Ansi);
}

class TextWriterTest : public ::testing::Test {
protected:
    TextWriterTest() {
        FWriter.PropText().SetPath(FSandbox.Root().Text());
        FWriter.PropText().SetFileName(u"App.log");
        FWriter.PropText().SetThreadID(u"512345");
    }

    std::u16string LogFile() const { return FSandbox.Root().Text() + u"App.log"; }
    std::vector<std::string> Lines() const { return ReadLines(LogFile()); }
    // The message lines, the header left out.
    std::vector<std::string> Entries() const {
        const auto lines = Lines();
        return lines.size() > 5 ? std::vector<std::string>(lines.begin() + 5, lines.end())
                                : std::vector<std::string>();
    }

    TAppDataSandbox FSandbox;
    TTextWriter FWriter;
};

TEST_F(TextWriterTest, ANewFileStartsWithTheFiveHeaderLines) {
    const TFixedClock clock(kNoon);
    ASSERT_TRUE(FWriter.Write(ltAudit, u"Servicio iniciado"));

    const std::string prefix = kStamp + " | 512345 | T_AUDI | ";
    const std::u16string program = Environment().ProgramPath();
    const std::u16string os = WindowsVersionName(GetWindowsVersion()).substr(2);
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           prefix + std::string(50, '*'),
                           prefix + "File:           " + Ansi(program),
                           prefix + "File Version:   " + Ansi(TVersionInfo(program).FileVersion()),
                           prefix + "OS Version:     " + Ansi(os),
                           prefix + std::string(50, '*'),
                           prefix + "Servicio iniciado",
                       }));
    ASSERT_TRUE(FWriter.Write(ltError, u"Otra"));
    EXPECT_EQ(Lines().size(), 7u) << "the header is written only for a new file";
}

TEST_F(TextWriterTest, LinesCarryProgramAndUserWhenAskedAndAreWrittenInAnsi) {
    const TFixedClock clock(kNoon);
    FWriter.PropText().SetShowProcessName(true);
    FWriter.PropText().SetOSCurrentUser(true);
    FWriter.SetCurrentUserName(u"DOMINIO\\usuario");
    ASSERT_TRUE(FWriter.Write(ltTech, u"Detalle"));
    FWriter.PropText().SetShowProcessName(false);
    FWriter.SetCurrentUserName(u"");
    FWriter.PropText().SetThreadID(u"");
    ASSERT_TRUE(FWriter.Write(ltEventViewer, u"Año 2024: 10 € \u4E00"));

    const std::string program = Ansi(ExtractFileName(Environment().ProgramPath()));
    EXPECT_EQ(Entries(),
              (std::vector<std::string>{
                  kStamp + " | " + program + " | DOMINIO\\usuario | 512345 | T_TECH | Detalle",
                  kStamp + " |  |  | A\xF1o 2024: 10 \x80 ?",
              }));
}

TEST_F(TextWriterTest, ABlankMessageStartsTheFileButWritesNoLine) {
    EXPECT_FALSE(FWriter.Write(ltAudit, u" \t "));
    EXPECT_EQ(Lines().size(), 5u);
    EXPECT_FALSE(FWriter.Write(ltAudit, u""));
    EXPECT_EQ(Lines().size(), 5u);
}

TEST_F(TextWriterTest, StartAndDownEntriesIndentTheirBlocks) {
    FWriter.PropText().SetTabs(u"··");
    const TLogType sequence[] = {ltStart, ltAudit, ltStart, ltAudit, ltDown, ltDown, ltAudit};
    for (const TLogType type : sequence) {
        ASSERT_TRUE(FWriter.Write(type, u"x"));
    }
    std::vector<std::string> indents;
    for (const auto& line : Entries()) {
        indents.push_back(line.substr(line.rfind(" | ") + 3));
    }
    EXPECT_EQ(indents, (std::vector<std::string>{"x", "x", "\xB7\xB7x", "\xB7\xB7x", "\xB7\xB7x",
                                                 "x", "x"}));
    EXPECT_EQ(FWriter.PropText().TabCount(), -1);

    FWriter.PropText().SetTabs(u"");
    ASSERT_TRUE(FWriter.Write(ltStart, u"y"));
    ASSERT_TRUE(FWriter.Write(ltStart, u"y"));
    EXPECT_TRUE(Entries().back().ends_with("| INICIO | y"));
}

TEST_F(TextWriterTest, AFilePastItsLimitBecomesTheBackup) {
    const std::u16string backup = FSandbox.Root().Text() + u"App.bak";
    WriteBytes(backup, "older backup");
    WriteBytes(LogFile(), std::string(1048576, 'a'));
    ASSERT_TRUE(FWriter.Write(ltAudit, u"al limite"));
    EXPECT_EQ(ReadBytes(backup), "older backup") << "exactly 1024 KB stays";
    EXPECT_GT(ReadBytes(LogFile()).size(), 1048576u);

    ASSERT_TRUE(FWriter.Write(ltAudit, u"nuevo"));
    EXPECT_GT(ReadBytes(backup).size(), 1048576u);
    EXPECT_TRUE(ReadBytes(backup).ends_with("al limite\r\n"));
    ASSERT_EQ(Lines().size(), 6u);
    EXPECT_TRUE(Lines()[0].ends_with(std::string(50, '*')));
    EXPECT_TRUE(Lines()[5].ends_with("| nuevo"));
}

TEST_F(TextWriterTest, WithHistoryTheFileKeepsItsNameAndATimeStamp) {
    const TFixedClock clock(kNoon);
    FWriter.PropText().SetSaveHistory(true);
    WriteBytes(LogFile(), std::string(1048577, 'a'));
    ASSERT_TRUE(FWriter.Write(ltAudit, u"nuevo"));
    const std::u16string history = LogFile() + u"_20240517140327091";
    EXPECT_EQ(ReadBytes(history).size(), 1048577u);
    EXPECT_EQ(Lines().size(), 6u);
    EXPECT_FALSE(std::filesystem::exists(FSandbox.Root().Path() / "App.bak"));
}

TEST_F(TextWriterTest, WithoutLimitTheFileGrows) {
    FWriter.PropText().SetMaxSize(0);
    WriteBytes(LogFile(), std::string(2 * 1048576, 'a'));
    ASSERT_TRUE(FWriter.Write(ltAudit, u"sigue"));
    EXPECT_GT(ReadBytes(LogFile()).size(), 2u * 1048576);
}

TEST_F(TextWriterTest, AFolderThatCannotBeCreatedFailsQuietly) {
    WriteBytes(FSandbox.Root().Text() + u"archivo", "x");
    FWriter.PropText().SetPath(FSandbox.Root().Text() + u"archivo" + kPathDelim + u"Logs" +
                               kPathDelim);
    EXPECT_FALSE(FWriter.Write(ltAudit, u"perdido"));
}

TEST_F(TextWriterTest, InitializeAppliesPresentKeysOrEveryKeyWhenGlobal) {
    FWriter.PropText().SetMaxSize(5);
    FWriter.Initialize(u"Archivo_Texto_Nivel=39\r\nArchivo_Texto_Mostrar_Usuario=-1", false);
    EXPECT_EQ(FWriter.PropText().Level(), 39);
    EXPECT_FALSE(FWriter.PropText().OSCurrentUser()) << "only the exact value 1 shows the user";
    EXPECT_EQ(FWriter.PropText().MaxSize(), 5);
    EXPECT_EQ(FWriter.PropText().Tabs(), u" ");

    FWriter.Initialize(u"Archivo_Texto_Mostrar_Usuario=1\r\nArchivo_Texto_Nombre=Todos.log\r\n"
                       u"Archivo_Texto_Directorio=" +
                           FSandbox.Velnor().substr(0, FSandbox.Velnor().size() - 1),
                       true);
    EXPECT_EQ(FWriter.PropText().Level(), 7);
    EXPECT_TRUE(FWriter.PropText().OSCurrentUser());
    EXPECT_EQ(FWriter.PropText().MaxSize(), 1024);
    EXPECT_EQ(FWriter.PropText().FileName(), u"Todos.log");
    EXPECT_EQ(FWriter.PropText().Path(), FSandbox.Velnor());
    EXPECT_TRUE(FWriter.PropText().ShowProcessName());
    EXPECT_EQ(FWriter.PropText().Tabs(), u"");

    FWriter.Initialize(u"Archivo_Texto_Nombre=Todos.log\r\nArchivo_Texto_Identacion=\"-\"", false);
    EXPECT_FALSE(FWriter.PropText().ShowProcessName());
    EXPECT_EQ(FWriter.PropText().Tabs(), u"-");

    FWriter.Initialize(u"", true);
    EXPECT_EQ(FWriter.PropText().Tabs(), u"-");
}

// A fake of the file system whose appends fail at random after writing a
// seeded part of the line to the real file, as a full disk would; the rest is
// the real file system.
class TFakeCuttingFileSystem final : public TFileSystem {
public:
    explicit TFakeCuttingFileSystem(unsigned seed) : FRandom(seed) { SetFileSystem(this); }
    ~TFakeCuttingFileSystem() override { SetFileSystem(nullptr); }
    TFakeCuttingFileSystem(const TFakeCuttingFileSystem&) = delete;
    TFakeCuttingFileSystem& operator=(const TFakeCuttingFileSystem&) = delete;

    bool FileExists(const std::u16string& path) const override { return Real().FileExists(path); }
    bool DirectoryExists(const std::u16string& path) const override {
        return Real().DirectoryExists(path);
    }
    std::optional<std::uint64_t> FileSize(const std::u16string& path) const override {
        return Real().FileSize(path);
    }
    std::optional<TDateTime> LastWriteTime(const std::u16string& path) const override {
        return Real().LastWriteTime(path);
    }
    bool ForceDirectories(const std::u16string& path) const override {
        return Real().ForceDirectories(path);
    }
    bool RenameFile(const std::u16string& from, const std::u16string& to) const override {
        return Real().RenameFile(from, to);
    }
    bool RemoveFile(const std::u16string& path) const override { return Real().RemoveFile(path); }
    std::string ReadWholeFile(const std::u16string& path) const override {
        return Real().ReadWholeFile(path);
    }
    bool WriteWholeFile(const std::u16string& path, std::string_view bytes,
                        std::string* reason) const override {
        return Real().WriteWholeFile(path, bytes, reason);
    }
    std::unique_ptr<TExclusiveFile> OpenExclusive(const std::u16string& path) const override {
        auto file = Real().OpenExclusive(path);
        return file ? std::make_unique<TCuttingFile>(std::move(file), FRandom) : nullptr;
    }
    std::optional<std::string> VersionResource(const std::u16string& path) const override {
        return Real().VersionResource(path);
    }

private:
    class TCuttingFile final : public TExclusiveFile {
    public:
        TCuttingFile(std::unique_ptr<TExclusiveFile> file, std::mt19937& random)
            : FFile(std::move(file)), FRandom(random) {}
        std::optional<std::uint64_t> Size() override { return FFile->Size(); }
        bool Append(std::string_view bytes) override {
            if (FRandom() % 2 == 0) {
                return FFile->Append(bytes);
            }
            FFile->Append(bytes.substr(0, FRandom() % bytes.size()));
            return false;
        }
        bool Truncate(std::uint64_t size) override { return FFile->Truncate(size); }

    private:
        std::unique_ptr<TExclusiveFile> FFile;
        std::mt19937& FRandom;
    };

    static TFileSystem& Real() { return SystemFileSystem(); }

    mutable std::mt19937 FRandom;
};

TEST_F(TextWriterTest, AnAttemptCutShortLeavesNoFragmentBeforeTheWholeLine) {
    const test::TRecordingClock clock(kNoon); // waits between attempts take no time
    const TFakeCuttingFileSystem fileSystem(20261209);
    WriteBytes(LogFile(), ""); // no header: every line is an entry
    std::vector<std::string> written;
    for (int i = 0; i < 200; ++i) {
        const std::u16string message = u"línea " + IntToStr(i);
        if (FWriter.Write(ltAudit, message)) {
            written.push_back(kStamp + " | 512345 | T_AUDI | " + Ansi(message));
        }
    }
    EXPECT_GT(written.size(), 150u) << "a cut attempt is retried";
    EXPECT_LT(written.size(), 200u) << "four cut attempts lose the line";
    EXPECT_EQ(Lines(), written);
}

// Two threads, each with its own writer, append to one file at once. The
// runs are short, as logging is: a writer that finds the file busy waits
// 100 ms, by when the other has finished (a writer kept busy for longer than
// its three waits would lose lines, which the benchmark counts).
TEST_F(TextWriterTest, ConcurrentThreadsLoseAndTearNoLine) {
    constexpr int kLines = 100;
    const auto run = [this](const std::u16string& tag) {
        TTextWriter writer;
        writer.PropText().SetPath(FWriter.PropText().Path());
        writer.PropText().SetFileName(u"App.log");
        writer.PropText().SetThreadID(tag);
        int written = 0;
        for (int i = 0; i < kLines; ++i) {
            written += writer.Write(ltAudit, tag + u" " + IntToStr(i)) ? 1 : 0;
        }
        return written;
    };
    int writtenA = 0;
    int writtenB = 0;
    std::thread a([&] { writtenA = run(u"A"); });
    std::thread b([&] { writtenB = run(u"B"); });
    a.join();
    b.join();
    EXPECT_EQ(writtenA, kLines);
    EXPECT_EQ(writtenB, kLines);
    std::set<std::string> entries;
    for (const auto& line : Lines()) {
        if (!line.ends_with("*") && line.find("Version:") == std::string::npos &&
            line.find("File:") == std::string::npos) {
            entries.insert(line.substr(line.find(" | ") + 3));
        }
    }
    EXPECT_EQ(entries.size(), 2u * kLines);
    EXPECT_TRUE(entries.contains("A | T_AUDI | A 0"));
    EXPECT_TRUE(entries.contains("B | T_AUDI | B 99"));
}

// Runs the helper program of these tests, in the background.
class THelperProcess {
public:
    explicit THelperProcess(const std::string& arguments)
        : FThread(
              [this, command = Command(arguments)] { FExitCode = std::system(command.c_str()); }) {}
    ~THelperProcess() {
        if (FThread.joinable()) {
            FThread.join();
        }
    }
    THelperProcess(const THelperProcess&) = delete;
    THelperProcess& operator=(const THelperProcess&) = delete;

    int Wait() {
        FThread.join();
        return FExitCode;
    }

private:
    static std::string Command(const std::string& arguments) {
        std::string program = TYP_LOG_HELPER;
#ifdef _WIN32
        // Under Wine the build tree is drive Z:.
        if (program.starts_with("/")) {
            program = "Z:" + program;
        }
        std::replace(program.begin(), program.end(), '/', '\\');
#endif
        return program + " " + arguments;
    }

    int FExitCode = -1;
    std::thread FThread;
};

std::string Arg(const std::u16string& path) {
    return std::filesystem::path(path).string();
}

bool WaitForFile(const std::u16string& path) {
    for (int i = 0; i < 30000 && !FileSystem().FileExists(path); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return FileSystem().FileExists(path);
}

TEST_F(TextWriterTest, AFileHeldByAnotherProcessIsRetriedFourTimes) {
    ASSERT_TRUE(FWriter.Write(ltAudit, u"antes"));
    const auto attempt = [this](int holdMs, const std::u16string& marker) {
        THelperProcess holder("hold " + Arg(LogFile()) + " " + std::to_string(holdMs) + " " +
                              Arg(marker));
        EXPECT_TRUE(WaitForFile(marker));
        const auto start = std::chrono::steady_clock::now();
        const bool written = FWriter.Write(ltAudit, u"retenido " + IntToStr(holdMs));
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(holder.Wait(), 0);
        return std::make_pair(written, elapsed);
    };

    const auto [shortWritten, shortElapsed] = attempt(250, FSandbox.Root().Text() + u"held250");
    EXPECT_TRUE(shortWritten);
    EXPECT_GE(shortElapsed, std::chrono::milliseconds(150)) << "the first attempts found it held";

    const auto [longWritten, longElapsed] = attempt(500, FSandbox.Root().Text() + u"held500");
    EXPECT_FALSE(longWritten);
    EXPECT_GE(longElapsed, std::chrono::milliseconds(290)) << "three waits of 100 ms";
    ASSERT_EQ(Entries().size(), 2u);
    EXPECT_TRUE(Entries()[1].ends_with("| retenido 250"));
}

// As above, with two processes started together.
TEST_F(TextWriterTest, ConcurrentProcessesLoseAndTearNoLine) {
    constexpr int kLines = 100;
    const std::u16string go = FSandbox.Root().Text() + u"go";
    const auto args = [&](const std::string& tag) {
        return Arg(FSandbox.Root().Text()) + " App.log " + std::to_string(kLines) + " " + tag +
               " " + Arg(FSandbox.Root().Text() + u"ready" + Ascii(tag)) + " " + Arg(go);
    };
    THelperProcess first("append " + args("P1"));
    THelperProcess second("append " + args("P2"));
    ASSERT_TRUE(WaitForFile(FSandbox.Root().Text() + u"readyP1"));
    ASSERT_TRUE(WaitForFile(FSandbox.Root().Text() + u"readyP2"));
    WriteBytes(go, "");
    EXPECT_EQ(first.Wait(), 0);
    EXPECT_EQ(second.Wait(), 0);

    std::set<std::string> entries;
    for (const auto& line : Lines()) {
        const auto tag = line.find(" | T_AUDI | P");
        if (tag != std::string::npos) {
            entries.insert(line.substr(tag + 12));
            EXPECT_EQ(line.substr(26, 2), line.substr(tag + 12, 2)) << line;
        }
    }
    EXPECT_EQ(entries.size(), 2u * kLines);
}

} // namespace
} // namespace typ
