#include "environment/VnPaths.h"

#include "LogTestSupport.h"
#include "environment/FilePath.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace typ {
namespace {

using test::SetEnvironmentValue;
using test::TAppDataSandbox;
using test::TEnvironmentGuard;
using test::TTempFolder;

bool IsFolder(const std::u16string& path) {
    return std::filesystem::is_directory(std::filesystem::path(path));
}

TEST(VnPaths, FormatPathFolderReplacesTheSevenCharactersAndEndsWithADelimiter) {
    std::u16string path = u"C:x*y?\"z<w>v|u";
    TVnPaths::FormatPathFolder(path);
    EXPECT_EQ(path, std::u16string(u"C:x-y--z-w-v-u") + kPathDelim);

    std::u16string withSlash = u"a/b";
    TVnPaths::FormatPathFolder(withSlash);
    EXPECT_EQ(withSlash, kPathDelim == u'/' ? u"a/b/" : u"a-b\\");

    std::u16string empty;
    TVnPaths::FormatPathFolder(empty);
    EXPECT_EQ(empty, u"");

    std::u16string ended = u"x" + std::u16string(1, kPathDelim);
    TVnPaths::FormatPathFolder(ended);
    EXPECT_EQ(ended, u"x" + std::u16string(1, kPathDelim));
}

TEST(VnPaths, ExpandFirstVariableExpandsOnlyTheFirstNameEverywhere) {
    const TEnvironmentGuard guardA("TYPTEST_A");
    const TEnvironmentGuard guardB("TYPTEST_B");
    SetEnvironmentValue("TYPTEST_A", "uno");
    SetEnvironmentValue("TYPTEST_B", "dos");
    EXPECT_EQ(TVnPaths::ExpandFirstVariable(u"%TYPTEST_A%\\x"), u"uno\\x");
    EXPECT_EQ(TVnPaths::ExpandFirstVariable(u"D:\\Perfiles\\%TYPTEST_A%\\Documentos"),
              u"D:\\Perfiles\\uno\\Documentos");
    EXPECT_EQ(TVnPaths::ExpandFirstVariable(u"%TYPTEST_A%-%typtest_a%-%TYPTEST_B%"),
              u"uno-uno-%TYPTEST_B%");
    EXPECT_EQ(TVnPaths::ExpandFirstVariable(u"sin variables"), u"sin variables");
    EXPECT_EQ(TVnPaths::ExpandFirstVariable(u"uno%solo"), u"unosolo");
    EXPECT_EQ(TVnPaths::ExpandFirstVariable(u"a%TYPTEST_NOT_SET%b"), u"ab");
}

TEST(VnPaths, ApplicationDataFoldersAreCreatedUnderTheCommonFolder) {
    const TAppDataSandbox sandbox;
    const std::u16string logs = TVnPaths::ApplicationData_Velnor(u"Logs");
    EXPECT_EQ(logs, sandbox.Logs());
    EXPECT_TRUE(IsFolder(logs));
    EXPECT_EQ(TVnPaths::GetAppDataPathVelnor(u"Logs"), logs);
    EXPECT_EQ(TVnPaths::ApplicationData(u""), sandbox.Root().Text());
    EXPECT_EQ(TVnPaths::GetAppDataPath(u"x"), sandbox.Root().Text() + u"x" + kPathDelim);

    const std::u16string cleaned = TVnPaths::ApplicationData(u"a/b?c");
    EXPECT_EQ(cleaned, sandbox.Root().Text() + (kPathDelim == u'/' ? u"a/b-c/" : u"a-b-c\\"));
    EXPECT_TRUE(IsFolder(cleaned));
}

TEST(VnPaths, CurrentUserFolderNestsKeyNumberUsersAndUserName) {
    const TAppDataSandbox sandbox;
    const std::u16string user = u"DOM" + std::u16string(1, kPathDelim) + u"ana";
    const std::u16string expected =
        sandbox.Velnor() + u"123" + kPathDelim + u"Usuarios" + kPathDelim + user + kPathDelim;
    EXPECT_EQ(TVnPaths::ApplicationData_CurrentUser(u"123", user), expected);
    EXPECT_TRUE(IsFolder(expected));
    EXPECT_EQ(TVnPaths::GetCurrentUserPath(u"123", user + kPathDelim), expected);
}

TEST(VnPaths, TheCommonFolderIsReadOnceAndAgainAfterClearCache) {
    const TAppDataSandbox sandbox;
    const std::u16string first = TVnPaths::ApplicationData(u"");
    const TTempFolder other;
    SetEnvironmentValue("ProgramData", other.Path().string());
    EXPECT_EQ(TVnPaths::ApplicationData(u""), first);
    TVnPaths::ClearCache();
    EXPECT_EQ(TVnPaths::ApplicationData(u""), other.Text());
}

TEST(VnPaths, AFolderThatCannotBeCreatedGivesAnEmptyResult) {
    const TAppDataSandbox sandbox;
    test::WriteBytes(sandbox.Root().Text() + u"blocked", "a file, not a folder");
    EXPECT_EQ(TVnPaths::ApplicationData(u"blocked"), u"");
    EXPECT_EQ(TVnPaths::ApplicationData(u"blocked" + std::u16string(1, kPathDelim) + u"sub"), u"");
    std::u16string empty;
    EXPECT_FALSE(TVnPaths::EnsureFolder(empty));
}

// The user's folders: under HOME on POSIX, under USERPROFILE in the Windows
// settings; both are pointed at one temporary folder.
TEST(VnPaths, UserFoldersFollowTheUsersProfile) {
    const TTempFolder home;
    const TEnvironmentGuard guards[] = {TEnvironmentGuard("HOME"), TEnvironmentGuard("USERPROFILE"),
                                        TEnvironmentGuard("XDG_CONFIG_HOME"),
                                        TEnvironmentGuard("XDG_DOCUMENTS_DIR")};
    for (const char* name : {"HOME", "USERPROFILE"}) {
        SetEnvironmentValue(name, home.Path().string());
    }
    SetEnvironmentValue("XDG_CONFIG_HOME", std::nullopt);
    SetEnvironmentValue("XDG_DOCUMENTS_DIR", std::nullopt);

    const std::u16string documents = home.Text() + u"Documents" + kPathDelim + u"Sub" + kPathDelim;
    EXPECT_EQ(TVnPaths::MyDocuments(u"Sub"), documents);
    EXPECT_EQ(TVnPaths::GetMyDocumnetsPath(u"Sub"), documents);
    EXPECT_TRUE(IsFolder(documents));

    const std::u16string roaming = TVnPaths::ApplicationDataVelnor_WindowsCurrentUser(u"123");
    const std::u16string tail = u"Velnor" + std::u16string(1, kPathDelim) + u"123" + kPathDelim;
    EXPECT_TRUE(roaming.starts_with(home.Text())) << std::filesystem::path(roaming);
    EXPECT_TRUE(roaming.ends_with(tail)) << std::filesystem::path(roaming);
    EXPECT_TRUE(IsFolder(roaming));
}

TEST(VnPaths, IsLocalDrivePathIsTrueForALocalFolderAndFalseForNothing) {
    EXPECT_FALSE(TVnPaths::IsLocalDrivePath(u""));
    const TTempFolder folder;
    EXPECT_TRUE(TVnPaths::IsLocalDrivePath(folder.Path().u16string()));
}

} // namespace
} // namespace typ
