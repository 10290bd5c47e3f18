#include "environment/FilePath.h"
#include "environment/VersionInfo.h"
#include "logging/TextWriter.h"
#include "platform/Environment.h"

#include <windows.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace typ {
namespace {

std::u16string SystemFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return IncludeTrailingPathDelimiter(
               std::u16string(reinterpret_cast<char16_t*>(folder), length)) +
           reinterpret_cast<const char16_t*>(name);
}

// This test program carries a version resource of its own (LoggingWin32Tests.rc).
TEST(VersionResource, TheProgramsOwnResourceReadsBack) {
    const TVersionInfo info(Environment().ProgramPath());
    ASSERT_TRUE(info.Valid());
    ASSERT_NE(info.FixedFileInfo(), nullptr);
    EXPECT_EQ(info.FileVersion(), u"7.2.0.150") << "the string wins over the fixed record";
    EXPECT_EQ(TVersionInfo::LongVersionToString(info.FileLongVersion()), u"1.2.3.4");
    EXPECT_EQ(info.ProductVersion(), u"5.6.7.8") << "no string: the fixed record as text";
    EXPECT_EQ(info.VersionNum(), 0x00010002);
    EXPECT_EQ(info.Translation(), 0x04E42C0Au);
    EXPECT_EQ(info.GetTranslationString(), u"2C0A04E4");
    EXPECT_EQ(info.Language(), u"Español(Argentina)");
    EXPECT_EQ(info.VersionCharSet(), vcsMultilingual);
    EXPECT_EQ(info.CompanyName(), u"Velnor");
    EXPECT_EQ(info.ProductName(), u"Editor TYP");
    EXPECT_EQ(info.Comments(), u"");
    EXPECT_EQ(info.GetVerValue(std::u16string(231, u'x')), u"");
    EXPECT_GE(info.VerFileDate().Year, 2024);
}

TEST(VersionResource, SettingTheFileNameReadsTheOtherFile) {
    TVersionInfo info(Environment().ProgramPath());
    info.SetFileName(SystemFile(L"kernel32.dll"));
    ASSERT_TRUE(info.Valid());
    EXPECT_NE(info.FileVersion(), u"7.2.0.150");
    EXPECT_NE(info.GetTranslationString(), u"2C0A04E4");

    const std::filesystem::path plain = std::filesystem::temp_directory_path() / "sin_version.txt";
    std::ofstream(plain) << "sin recurso";
    info.SetFileName(plain.u16string());
    EXPECT_FALSE(info.Valid());
    EXPECT_EQ(info.FileVersion(), u"");
    EXPECT_EQ(info.Language(), u"");
    std::filesystem::remove(plain);
}

// A new log file names the program's version and the system in its header.
TEST(VersionResource, TheLogHeaderShowsTheProgramsFileVersion) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "typ_header_log";
    std::filesystem::remove_all(folder);
    TTextWriter writer;
    writer.PropText().SetPath(IncludeTrailingPathDelimiter(folder.u16string()));
    writer.PropText().SetFileName(u"header.log");
    ASSERT_TRUE(writer.Write(ltAudit, u"linea"));
    std::ifstream in(folder / "header.log", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("| File Version:   7.2.0.150\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("| OS Version:     Unknown\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("| OS Version:     Win"), std::string::npos) << text;
    in.close();
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace typ
