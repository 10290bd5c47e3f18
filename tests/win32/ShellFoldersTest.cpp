#include "environment/FilePath.h"
#include "environment/VnPaths.h"

#include <windows.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace typ {
namespace {

const wchar_t kShellFolders[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// One value of the shell-folder settings, put back as it was at the end.
class TShellFolderValue {
public:
    TShellFolderValue(HKEY root, std::wstring name) : FRoot(root), FName(std::move(name)) {
        wchar_t data[1024];
        DWORD size = sizeof data;
        DWORD type = 0;
        if (RegGetValueW(FRoot, kShellFolders, FName.c_str(),
                         RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, &type, data,
                         &size) == ERROR_SUCCESS) {
            FSaved = std::wstring(data);
            FSavedType = type;
        }
    }
    ~TShellFolderValue() {
        if (FSaved) {
            Set(*FSaved, FSavedType);
        } else {
            Remove();
        }
    }
    TShellFolderValue(const TShellFolderValue&) = delete;
    TShellFolderValue& operator=(const TShellFolderValue&) = delete;

    void Set(const std::wstring& value, DWORD type = REG_EXPAND_SZ) const {
        ASSERT_EQ(RegSetKeyValueW(FRoot, kShellFolders, FName.c_str(), type, value.c_str(),
                                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
    void Remove() const { RegDeleteKeyValueW(FRoot, kShellFolders, FName.c_str()); }

private:
    HKEY FRoot;
    std::wstring FName;
    std::optional<std::wstring> FSaved;
    DWORD FSavedType = REG_EXPAND_SZ;
};

// An environment variable of the process, put back at the end.
class TVariable {
public:
    explicit TVariable(std::wstring name) : FName(std::move(name)) {
        wchar_t value[1024];
        if (GetEnvironmentVariableW(FName.c_str(), value, 1024) > 0) {
            FSaved = std::wstring(value);
        }
    }
    ~TVariable() { SetEnvironmentVariableW(FName.c_str(), FSaved ? FSaved->c_str() : nullptr); }
    TVariable(const TVariable&) = delete;
    TVariable& operator=(const TVariable&) = delete;

    void Set(const std::wstring& value) const {
        SetEnvironmentVariableW(FName.c_str(), value.c_str());
    }

private:
    std::wstring FName;
    std::optional<std::wstring> FSaved;
};

class ShellFoldersTest : public ::testing::Test {
protected:
    ShellFoldersTest() {
        std::filesystem::remove_all(FRoot);
        std::filesystem::create_directories(FRoot);
        TVnPaths::ClearCache();
    }
    ~ShellFoldersTest() override {
        TVnPaths::ClearCache();
        std::filesystem::remove_all(FRoot);
    }

    std::u16string Root() const { return IncludeTrailingPathDelimiter(FRoot.u16string()); }

    const std::filesystem::path FRoot =
        std::filesystem::temp_directory_path() / "typ_shell_folders";
};

TEST_F(ShellFoldersTest, CommonAppDataExpandsProgramDataAndCreatesTheFolders) {
    const TShellFolderValue common(HKEY_LOCAL_MACHINE, L"Common AppData");
    const TVariable programData(L"ProgramData");
    common.Set(L"%ProgramData%");
    programData.Set(FRoot.wstring());

    const std::u16string logs = TVnPaths::ApplicationData_Velnor(u"Logs");
    EXPECT_EQ(logs, Root() + u"Velnor\\Logs\\");
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(logs)));
    EXPECT_EQ(TVnPaths::ApplicationData_CurrentUser(u"123", u"DOM\\ana"),
              Root() + u"Velnor\\123\\Usuarios\\DOM\\ana\\");
    EXPECT_TRUE(
        std::filesystem::is_directory(FRoot / "Velnor" / "123" / "Usuarios" / "DOM" / "ana"));
}

TEST_F(ShellFoldersTest, AVariableInsideTheValueIsExpandedToo) {
    const TShellFolderValue personal(HKEY_CURRENT_USER, L"Personal");
    const TVariable user(L"USERNAME");
    user.Set(L"ana");
    personal.Set(FRoot.wstring() + L"\\Perfiles\\%USERNAME%\\Documentos");
    EXPECT_EQ(TVnPaths::MyDocuments(u"TYPS"), Root() + u"Perfiles\\ana\\Documentos\\TYPS\\");
    EXPECT_TRUE(std::filesystem::is_directory(FRoot / "Perfiles" / "ana" / "Documentos" / "TYPS"));

    const TShellFolderValue appData(HKEY_CURRENT_USER, L"AppData");
    appData.Set(FRoot.wstring() + L"\\Roaming", REG_SZ);
    EXPECT_EQ(TVnPaths::ApplicationDataVelnor_WindowsCurrentUser(u"77"),
              Root() + u"Roaming\\Velnor\\77\\");
}

TEST_F(ShellFoldersTest, MissingSettingsGiveFoldersRelativeToTheCurrentOne) {
    const TShellFolderValue personal(HKEY_CURRENT_USER, L"Personal");
    const TShellFolderValue appData(HKEY_CURRENT_USER, L"AppData");
    personal.Remove();
    appData.Remove();
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(FRoot);

    EXPECT_EQ(TVnPaths::MyDocuments(u"TYPS"), u"TYPS\\");
    EXPECT_TRUE(std::filesystem::is_directory(FRoot / "TYPS"));
    // No roaming folder: the root of the current drive.
    EXPECT_EQ(TVnPaths::ApplicationDataVelnor_WindowsCurrentUser(u"77"), u"\\Velnor\\77\\");
    EXPECT_TRUE(std::filesystem::is_directory(FRoot.root_path() / "Velnor" / "77"));

    std::filesystem::current_path(saved);
    std::filesystem::remove_all(FRoot.root_path() / "Velnor" / "77");
}

TEST_F(ShellFoldersTest, LocalDrivesAreFixedDisks) {
    EXPECT_TRUE(TVnPaths::IsLocalDrivePath(u"C:\\Datos"));
    EXPECT_FALSE(TVnPaths::IsLocalDrivePath(u"Q:\\Datos"));
    EXPECT_FALSE(TVnPaths::IsLocalDrivePath(u""));
}

} // namespace
} // namespace typ
