#include "logging/ManagedLogFile.h"

#include "LogTestSupport.h"
#include "logging/KeyValueText.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"

#include <atomic>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace typ {
namespace {

using test::ReadLines;
using test::TAppDataSandbox;
using test::TTempFolder;
using test::WriteBytes;

std::string InstanceIdOf(const std::string& line) {
    const std::size_t start = line.find(" | ") + 3;
    return line.substr(start, line.find(" | ", start) - start);
}

class ManagedLogFileTest : public ::testing::Test {
protected:
    std::u16string DefaultLog() const {
        return FSandbox.Logs() +
               ChangeFileExt(ExtractFileName(Environment().ProgramPath()), u".log");
    }
    // The entries (header left out).
    std::vector<std::string> Entries() const {
        auto lines = ReadLines(DefaultLog());
        return lines.size() > 5 ? std::vector<std::string>(lines.begin() + 5, lines.end())
                                : std::vector<std::string>();
    }
    void WriteIni(const std::string& global) const {
        WriteBytes(FSandbox.LogIni(), "[LogFileHelp]\r\n[GLOBAL]\r\n" + global);
    }

    TAppDataSandbox FSandbox;
};

TEST_F(ManagedLogFileTest, TheFirstCallOfAThreadConfiguresItsStore) {
    EXPECT_EQ(TManagedLogFile::ThreadData(), u"");
    EXPECT_TRUE(TManagedLogFile::Write(ltError, u"ImagenNoEncontrada"));
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(FSandbox.LogIni())));
    const std::u16string store = TManagedLogFile::ThreadData();
    EXPECT_EQ(KeyValue(store, u"Initialized"), u"S");
    EXPECT_TRUE(
        KeyValue(store, u"TextWriter").starts_with(u"Debug_Activo=1;Archivo_Texto_Nivel=7;"));
    EXPECT_EQ(KeyValue(store, u"TextWriter").find(u"\r"), std::u16string::npos);
    EXPECT_FALSE(KeyValue(store, u"ThreadID").empty());
    ASSERT_EQ(Entries().size(), 1u);
    EXPECT_TRUE(Entries()[0].ends_with(" | #FALLA | ImagenNoEncontrada"));
}

TEST_F(ManagedLogFileTest, LogIniIsReadOncePerThreadUntilClearThreadData) {
    WriteIni("Archivo_Texto_Identacion=\"-\"\r\n");
    EXPECT_TRUE(TManagedLogFile::Write(u"uno"));
    const std::u16string firstId = KeyValue(TManagedLogFile::ThreadData(), u"ThreadID");
    WriteIni("Archivo_Texto_Nivel=39\r\n");
    EXPECT_FALSE(TManagedLogFile::Write(ltTech, u"aun no"));
    EXPECT_TRUE(TManagedLogFile::Write(ltStart, u"dos"));
    EXPECT_TRUE(TManagedLogFile::Write(ltStart, u"sin sangria"));

    // The thread's own configuration follows Log.Ini again only after ClearThreadData;
    // the sleep makes sure the new identifier comes from a later time of day.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    TManagedLogFile::ClearThreadData();
    EXPECT_EQ(TManagedLogFile::ThreadData(), u"");
    EXPECT_TRUE(TManagedLogFile::Write(ltTech, u"tres"));

    const auto entries = Entries();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_TRUE(entries[1].ends_with("| INICIO | dos"));
    EXPECT_TRUE(entries[2].ends_with("| INICIO | sin sangria"));
    EXPECT_TRUE(entries[3].ends_with("| T_TECH | tres"));
    EXPECT_EQ(InstanceIdOf(entries[0]), std::filesystem::path(firstId).string());
    EXPECT_EQ(InstanceIdOf(entries[1]), InstanceIdOf(entries[0]));
    EXPECT_NE(InstanceIdOf(entries[3]), InstanceIdOf(entries[0]));
}

TEST_F(ManagedLogFileTest, EachThreadHasItsOwnStore) {
    WriteIni("Archivo_Texto_Nivel=7\r\n");
    EXPECT_FALSE(TManagedLogFile::Write(ltTech, u"principal"));
    WriteIni("Archivo_Texto_Nivel=39\r\n");
    bool written = false;
    std::u16string workerStore;
    std::thread worker([&] {
        written = TManagedLogFile::Write(ltTech, u"trabajador");
        workerStore = TManagedLogFile::ThreadData();
        TManagedLogFile::ClearThreadData();
    });
    worker.join();
    EXPECT_TRUE(written);
    EXPECT_NE(KeyValue(workerStore, u"TextWriter"),
              KeyValue(TManagedLogFile::ThreadData(), u"TextWriter"));
    EXPECT_FALSE(TManagedLogFile::Write(ltTech, u"principal otra vez"));
}

TEST_F(ManagedLogFileTest, ASemicolonInAValueSplitsItInTheStore) {
    WriteIni("Archivo_Texto_Nombre=parte1;parte2.log\r\n");
    EXPECT_TRUE(TManagedLogFile::Write(u"partido"));
    EXPECT_EQ(ReadLines(FSandbox.Logs() + u"parte1").size(), 6u);
    EXPECT_FALSE(
        std::filesystem::exists(std::filesystem::path(FSandbox.Logs() + u"parte1;parte2.log")));
}

TEST_F(ManagedLogFileTest, ConvenienceOperationsMirrorTheLogFile) {
    const TTempFolder other;
    EXPECT_TRUE(TManagedLogFile::WriteForced(u"forzado"));
    EXPECT_TRUE(TManagedLogFile::WriteResult(ltAudit, u"Alta", true));
    EXPECT_TRUE(TManagedLogFile::Write(ltFail, u"Leer", std::out_of_range("fuera")));
    EXPECT_TRUE(TManagedLogFile::WriteInOtherFile(other.Text() + u"otro.log", u"alla"));
    const auto entries = Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_TRUE(entries[0].ends_with("| FORZADO | forzado"));
    EXPECT_TRUE(entries[1].ends_with("| T_AUDI | Alta     --> Result = True"));
    EXPECT_TRUE(entries[2].ends_with("| #EXCEP | Leer(Excepci\xF3n: out_of_range - fuera)"));
    EXPECT_TRUE(ReadLines(other.Text() + u"otro.log").back().ends_with("| T_AUDI | alla"));
}

TEST_F(ManagedLogFileTest, ALoadErrorReachesTheCallerAndLeavesTheThreadUnconfigured) {
    WriteIni("Archivo_Texto_Nivel=7\r\n");
    {
        const auto held = FileSystem().OpenExclusive(FSandbox.LogIni());
        ASSERT_NE(held, nullptr);
        EXPECT_THROW(TManagedLogFile::Write(u"x"), EFileError);
        EXPECT_EQ(TManagedLogFile::ThreadData(), u"");
    }
    EXPECT_TRUE(TManagedLogFile::Write(u"despues"));
}

TEST_F(ManagedLogFileTest, TwoThreadsLogThroughOneFileWithTheirOwnIdentifiers) {
    WriteIni("Archivo_Texto_Nivel=7\r\n");
    constexpr int kLines = 60;
    std::atomic<int> started{0};
    const auto run = [&started](char16_t tag) {
        int written = TManagedLogFile::Write(std::u16string(1, tag)) ? 1 : 0;
        ++started;
        while (started < 2) {
            std::this_thread::yield();
        }
        for (int i = 1; i < kLines; ++i) {
            written += TManagedLogFile::Write(std::u16string(1, tag)) ? 1 : 0;
        }
        TManagedLogFile::ClearThreadData();
        return written;
    };
    int writtenA = 0;
    int writtenB = 0;
    std::thread a([&] { writtenA = run(u'A'); });
    // The identifier is the time of day in steps of 86.4 ms: the second thread
    // starts later than one step after the first.
    while (started < 1) {
        std::this_thread::yield();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::thread b([&] { writtenB = run(u'B'); });
    a.join();
    b.join();
    EXPECT_EQ(writtenA + writtenB, 2 * kLines);
    std::set<std::string> idsA;
    std::set<std::string> idsB;
    for (const auto& line : Entries()) {
        (line.ends_with("| A") ? idsA : idsB).insert(InstanceIdOf(line));
    }
    EXPECT_EQ(idsA.size(), 1u);
    EXPECT_EQ(idsB.size(), 1u);
    EXPECT_NE(idsA, idsB);
}

} // namespace
} // namespace typ
