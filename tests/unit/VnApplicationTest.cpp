#include "environment/VnApplication.h"

#include "LogTestSupport.h"
#include "logging/TextEncoding.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace typ {
namespace {

using namespace std::string_literals;

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

TEST(VnApplicationTest, KeyNumberIsReadBesideTheHelpFile) {
    test::TTempFolder folder;
    const std::filesystem::path ini = folder.Path() / "DESCRIP.INI";
    const std::u16string helpFile = folder.Text() + u"ayuda.chm";
    const std::pair<std::string, std::u16string> cases[] = {
        {"[LICENCIA]\r\nNUMEROLLAVE=12345\r\n", u"12345"},
        {"; nota\n[otra]\nNUMEROLLAVE=1\n  [licencia]  \n  numerollave =  777 \n", u"777"},
        {"\xEF\xBB\xBF[Licencia]\nNumeroLlave=99\n", u"99"},
        {EncodeText(u"[licencia]\nNUMEROLLAVE=42\n", TTextEncoding::Utf16LE), u"42"},
        {std::string(10000000, 'x') + "\n[LICENCIA]\nNUMEROLLAVE=8\n", u"8"},
        {"[LICENCIA]\nOTRA=1\n", u""},
        {"NUMEROLLAVE=5\n[LICENCIAS]\nNUMEROLLAVE=6\n", u""},
        {"\0\x01\x02\xFF[LICENCIA\n\x80=\x81"s, u""},
    };
    for (const auto& [text, number] : cases) {
        WriteFile(ini, text);
        EXPECT_EQ(TVnApplication::GetHLNumberFromPath(helpFile), number);
        EXPECT_EQ(TVnApplication::GetHLNumberFromPath(folder.Text()), number);
    }
    std::filesystem::remove(ini);
    EXPECT_EQ(TVnApplication::GetHLNumberFromPath(helpFile), u"");
    EXPECT_EQ(TVnApplication::GetHLNumberFromPath(u""), u"");
}

TEST(VnApplicationTest, AFolderWithoutDelimiterIsSearchedInItsParent) {
    test::TTempFolder folder;
    std::filesystem::create_directory(folder.Path() / "Ayuda");
    WriteFile(folder.Path() / "DESCRIP.INI", "[LICENCIA]\nNUMEROLLAVE=12345\n");
    EXPECT_EQ(TVnApplication::GetHLNumberFromPath(folder.Text() + u"Ayuda"), u"12345");
    EXPECT_EQ(TVnApplication::GetHLNumberFromPath(folder.Text() + u"Ayuda" + kPathDelim), u"");
    EXPECT_EQ(TVnApplication::DescripIniPath(u"ayuda.chm"), u"DESCRIP.INI");
}

TEST(VnApplicationTest, Wow64AnswerRaisesOnlyWhenTheFunctionExistsAndFails) {
    EXPECT_FALSE(TVnApplication::IsWow64Process({false, false, true}));
    EXPECT_TRUE(TVnApplication::IsWow64Process({true, true, true}));
    EXPECT_FALSE(TVnApplication::IsWow64Process({true, true, false}));
    try {
        TVnApplication::IsWow64Process({true, false, true});
        ADD_FAILURE();
    } catch (const EVnApplication& error) {
        EXPECT_STREQ(error.what(), "Error obteniendo handle de la funci\xC3\xB3n isWow64Process");
    }
}

} // namespace
} // namespace typ
