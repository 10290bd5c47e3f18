#include "ServerTestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace typ::win::test {
namespace {

const std::wstring kClassKey = L"CLSID\\{E47A9B25-3C16-48D2-9F0B-71A5C6D83E92}";
const std::wstring kProgId = L"Vn_EditorTyp.EditorTypCom";
const std::wstring kLibKey = L"TypeLib\\{5B1E7A32-C94D-4F07-A6E2-3D80F1B95C47}";
const std::wstring kInterfaceKey = L"Interface\\{8C2D4F61-1A7B-4E39-B5D0-62F9A3E8C014}";
const std::wstring kPlatform = sizeof(void*) == 8 ? L"win64" : L"win32";
const std::wstring kUserClasses = L"Software\\Classes\\";

std::wstring LongPath(const std::wstring& path) {
    wchar_t buffer[MAX_PATH] = {};
    GetLongPathNameW(path.c_str(), buffer, MAX_PATH);
    return buffer;
}

// Runs in a Wine prefix of its own: every case starts from an empty registry.
class RegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunToEnd(exe, L"/UnregServer"), 0u);
        ASSERT_EQ(RunToEnd(exe, L"/UnregServerPerUser"), 0u);
        ASSERT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
    }

    static void ExpectClassEntries(HKEY root, const std::wstring& prefix,
                                   const std::wstring& serverPath) {
        const std::wstring classKey = prefix + kClassKey;
        EXPECT_EQ(DefaultValue(root, classKey), L"EditorTypCom Object");
        EXPECT_EQ(DefaultValue(root, classKey + L"\\LocalServer32"), serverPath);
        EXPECT_EQ(DefaultValue(root, prefix + kProgId), L"EditorTypCom Object");
        EXPECT_EQ(DefaultValue(root, prefix + kProgId + L"\\Clsid"),
                  L"{E47A9B25-3C16-48D2-9F0B-71A5C6D83E92}");
        EXPECT_EQ(DefaultValue(root, classKey + L"\\ProgID"), kProgId);
        EXPECT_EQ(DefaultValue(root, classKey + L"\\Version"), L"1.0");
        EXPECT_EQ(DefaultValue(root, classKey + L"\\TypeLib"),
                  L"{5B1E7A32-C94D-4F07-A6E2-3D80F1B95C47}");
        // Only in-process servers have a threading model.
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExW(root, (classKey + L"\\LocalServer32").c_str(), 0, KEY_READ, &key),
                  ERROR_SUCCESS);
        EXPECT_NE(RegQueryValueExW(key, L"ThreadingModel", nullptr, nullptr, nullptr, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    static void ExpectNoClassEntries(HKEY root, const std::wstring& prefix) {
        EXPECT_FALSE(KeyExists(root, prefix + kClassKey));
        EXPECT_FALSE(KeyExists(root, prefix + kProgId));
    }

    const std::wstring exe = ServerPath();
};

TEST_F(RegistrationTest, RegServerWritesClassAndTypeLibrary) {
    ASSERT_EQ(RunToEnd(exe, L"/RegServer"), 0u);
    ExpectClassEntries(HKEY_CLASSES_ROOT, L"", LongPath(exe));
    EXPECT_EQ(DefaultValue(HKEY_CLASSES_ROOT, kLibKey + L"\\1.0\\409\\" + kPlatform),
              LongPath(exe));
    EXPECT_EQ(DefaultValue(HKEY_CLASSES_ROOT, kLibKey + L"\\1.0\\0\\" + kPlatform), LongPath(exe));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kInterfaceKey));
}

TEST_F(RegistrationTest, SwitchesIgnoreCaseAndTakeADash) {
    ASSERT_EQ(RunToEnd(exe, L"-regserver"), 0u);
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kClassKey + L"\\LocalServer32"));
    ASSERT_EQ(RunToEnd(exe, L"-UNREGSERVER"), 0u);
    ExpectNoClassEntries(HKEY_CLASSES_ROOT, L"");
}

TEST_F(RegistrationTest, UnregServerRemovesEverythingAndNeverFails) {
    ASSERT_EQ(RunToEnd(exe, L"/RegServer"), 0u);
    ASSERT_EQ(RunToEnd(exe, L"/UnregServer"), 0u);
    ExpectNoClassEntries(HKEY_CLASSES_ROOT, L"");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kLibKey + L"\\1.0"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kInterfaceKey));
    EXPECT_EQ(RunToEnd(exe, L"/UnregServer"), 0u);
}

// Wine 8 activates only from the machine-wide classes, so a per-user
// registration can be checked here but not used.
TEST_F(RegistrationTest, PerUserGoesUnderTheUsersClasses) {
    ASSERT_EQ(RunToEnd(exe, L"/RegServerPerUser"), 0u);
    ExpectClassEntries(HKEY_CURRENT_USER, kUserClasses, LongPath(exe));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUserClasses + kClassKey));
    ASSERT_EQ(RunToEnd(exe, L"/UnregServerPerUser"), 0u);
    ExpectNoClassEntries(HKEY_CURRENT_USER, kUserClasses);
}

TEST_F(RegistrationTest, EmbeddingWinsOverRegServer) {
    {
        const TStartedProcess server(exe, L"/Embedding /RegServer");
        EXPECT_FALSE(server.EndsWithin(1500)) << "an automation server waits for its host";
    }
    ExpectNoClassEntries(HKEY_CLASSES_ROOT, L"");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kLibKey));
}

// A copy of the server in folders of its own, removed at the end of the scope.
class TServerCopy {
public:
    explicit TServerCopy(const std::wstring& folderName) {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        FFolder = std::wstring(temp) + folderName;
        CreateDirectoryW(FFolder.c_str(), nullptr);
        FExe = FFolder + L"\\Vn_EditorTyp.exe";
        EXPECT_TRUE(CopyFileW(ServerPath().c_str(), FExe.c_str(), FALSE));
    }
    ~TServerCopy() {
        DeleteFileW(FExe.c_str());
        RemoveDirectoryW(FFolder.c_str());
    }
    TServerCopy(const TServerCopy&) = delete;
    TServerCopy& operator=(const TServerCopy&) = delete;
    const std::wstring& Exe() const { return FExe; }

private:
    std::wstring FFolder;
    std::wstring FExe;
};

TEST_F(RegistrationTest, APathWithABlankIsRegisteredInShortForm) {
    const TServerCopy copy(L"Editor con blanco");
    wchar_t shortPath[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameW(copy.Exe().c_str(), shortPath, MAX_PATH), 0u);
    ASSERT_EQ(std::wstring(shortPath).find(L' '), std::wstring::npos);
    ASSERT_EQ(RunToEnd(copy.Exe(), L"/RegServer"), 0u);
    EXPECT_EQ(DefaultValue(HKEY_CLASSES_ROOT, kClassKey + L"\\LocalServer32"), shortPath);
    EXPECT_EQ(DefaultValue(HKEY_CLASSES_ROOT, kLibKey + L"\\1.0\\409\\" + kPlatform),
              LongPath(copy.Exe()));
    EXPECT_EQ(RunToEnd(copy.Exe(), L"/UnregServer"), 0u);
}

// Overwrites the header of the embedded type library, so it cannot be read.
void SpoilTypeLibrary(const std::wstring& exe) {
    std::fstream file(std::filesystem::path(exe), std::ios::in | std::ios::out | std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    const std::string header("MSFT\x02\x00\x01\x00", 8);
    const auto at = bytes.find(header);
    ASSERT_NE(at, std::string::npos);
    ASSERT_EQ(bytes.find(header, at + 1), std::string::npos);
    file.seekp(static_cast<std::streamoff>(at));
    file.write("XXXXXXXX", 8);
    ASSERT_TRUE(file.good());
}

TEST_F(RegistrationTest, AServerWithoutItsTypeLibraryFailsAndWritesNothing) {
    const TServerCopy copy(L"SinBiblioteca");
    SpoilTypeLibrary(copy.Exe());
    EXPECT_NE(RunToEnd(copy.Exe(), L"/RegServer"), 0u);
    ExpectNoClassEntries(HKEY_CLASSES_ROOT, L"");
}

} // namespace
} // namespace typ::win::test
