#include "LogTestSupport.h"
#include "platform/FileSystem.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace typ {
namespace {

namespace fs = std::filesystem;

using test::ReadBytes;
using test::TTempFolder;
using test::WriteBytes;

class WholeFileWriteTest : public ::testing::Test {
protected:
    std::u16string File() const { return FFolder.Text() + u"Services.Ini"; }
    std::ptrdiff_t FilesInFolder() const {
        return std::distance(fs::directory_iterator(FFolder.Path()), fs::directory_iterator());
    }

    TTempFolder FFolder;
};

TEST_F(WholeFileWriteTest, ANewOrOldFileGetsTheWholeContentAndNothingIsLeftBeside) {
    ASSERT_TRUE(FileSystem().WriteWholeFile(File(), "first"));
    EXPECT_EQ(ReadBytes(File()), "first");
    ASSERT_TRUE(FileSystem().WriteWholeFile(File(), "[SysInfoService]\r\nReattemptsSleep=2\r\n"));
    EXPECT_EQ(ReadBytes(File()), "[SysInfoService]\r\nReattemptsSleep=2\r\n");
    ASSERT_TRUE(FileSystem().WriteWholeFile(File(), ""));
    EXPECT_EQ(ReadBytes(File()), "");
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(WholeFileWriteTest, AFileHeldByAnotherIsLeftAsItWas) {
    WriteBytes(File(), "precious");
    {
        const auto held = FileSystem().OpenExclusive(File());
        ASSERT_NE(held, nullptr);
        std::string reason;
        EXPECT_FALSE(FileSystem().WriteWholeFile(File(), "new", &reason));
        EXPECT_FALSE(reason.empty());
    }
    EXPECT_EQ(ReadBytes(File()), "precious");
    EXPECT_FALSE(FileSystem().WriteWholeFile(FFolder.Text() + u"missing/x.ini", "new"));
    EXPECT_EQ(FilesInFolder(), 1);
}

#ifndef _WIN32
// The process's file size limit cuts the write of the new file short, as a
// full disk would.
TEST_F(WholeFileWriteTest, AWriteCutShortLeavesTheOldFileAndItsPermissions) {
    WriteBytes(File(), "precious");
    fs::permissions(fs::path(File()), fs::perms::owner_read | fs::perms::owner_write);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1024;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string reason;
    const bool written = FileSystem().WriteWholeFile(File(), std::string(4096, 'x'), &reason);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(written);
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(ReadBytes(File()), "precious");
    EXPECT_EQ(FilesInFolder(), 1);
    ASSERT_TRUE(FileSystem().WriteWholeFile(File(), "replaced"));
    EXPECT_EQ(fs::status(fs::path(File())).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}
#endif

} // namespace
} // namespace typ
