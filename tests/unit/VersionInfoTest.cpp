#include "environment/VersionInfo.h"

#include "LogTestSupport.h"
#include "environment/VersionResource.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace typ {
namespace {

// Builds version resources in the layout the resource compiler writes.
class TBlockBuilder {
public:
    static std::string Word(std::uint16_t value) {
        return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    }

    static std::string DWord(std::uint32_t value) {
        return Word(static_cast<std::uint16_t>(value & 0xFFFF)) +
               Word(static_cast<std::uint16_t>(value >> 16));
    }

    static std::string Utf16z(std::u16string_view text) {
        std::string bytes;
        for (const char16_t c : text) {
            bytes += Word(c);
        }
        return bytes + Word(0);
    }

    static void Pad(std::string& bytes) { bytes.append((4 - bytes.size() % 4) % 4, '\0'); }

    // A block: the value is text (type 1, length in characters) or binary.
    static std::string Block(std::u16string_view key, const std::string& value, bool text,
                             std::initializer_list<std::string> children = {}) {
        std::string body = Word(0) + Word(0) + Word(text ? 1 : 0) + Utf16z(key);
        Pad(body);
        body += value;
        for (const auto& child : children) {
            Pad(body);
            body += child;
        }
        const auto valueLength = text ? value.size() / 2 : value.size();
        return Word(static_cast<std::uint16_t>(body.size())) +
               Word(static_cast<std::uint16_t>(valueLength)) + body.substr(4);
    }

    static std::string String(std::u16string_view key, std::u16string_view value) {
        return Block(key, Utf16z(value), true);
    }

    static std::string Fixed(std::uint32_t fileMS, std::uint32_t fileLS, std::uint32_t productMS,
                             std::uint32_t productLS) {
        std::string fixed = DWord(0xFEEF04BD) + DWord(0x10000) + DWord(fileMS) + DWord(fileLS) +
                            DWord(productMS) + DWord(productLS);
        for (int i = 0; i < 7; ++i) {
            fixed += DWord(0);
        }
        return fixed;
    }

    static std::string Resource(const std::string& fixed, std::u16string_view table,
                                std::uint32_t translation,
                                std::initializer_list<std::string> strings) {
        return Block(
            u"VS_VERSION_INFO", fixed, false,
            {Block(u"StringFileInfo", "", true, {Block(table, "", true, strings)}),
             Block(u"VarFileInfo", "", true, {Block(u"Translation", DWord(translation), false)})});
    }
};

using B = TBlockBuilder;

const std::string kSample =
    B::Resource(B::Fixed(0x00090001, 0x00000003, 0x00020000, 0x00000001), u"2C0A04E4", 0x04E42C0A,
                {B::String(u"CompanyName", u"Velnor"), B::String(u"FileVersion", u"7.2.0.150"),
                 B::String(u"Comments", u"")});

TEST(VersionResource, FindsTheFixedRecordTranslationAndStrings) {
    const TVersionResource resource(kSample);
    ASSERT_TRUE(resource.FixedFileInfo().has_value());
    EXPECT_EQ(resource.FixedFileInfo()->FileVersionMS, 0x00090001u);
    EXPECT_EQ(resource.FixedFileInfo()->ProductVersionLS, 1u);
    EXPECT_EQ(resource.Translation(), 0x04E42C0Au);
    EXPECT_EQ(resource.Text(u"\\StringFileInfo\\2C0A04E4\\FileVersion"), u"7.2.0.150");
    EXPECT_EQ(resource.Text(u"\\stringfileinfo\\2c0a04e4\\companyname"), u"Velnor");
    EXPECT_EQ(resource.Text(u"\\StringFileInfo\\2C0A04E4\\Comments"), u"");
    EXPECT_FALSE(resource.Text(u"\\StringFileInfo\\2C0A04E4\\ProductName").has_value());
    EXPECT_FALSE(resource.Text(u"\\StringFileInfo\\040904E4\\FileVersion").has_value());
    EXPECT_EQ(resource.QueryValue(u"\\")->size(), 52u);
}

TEST(VersionResource, DamagedOrTruncatedBytesGiveNothingAndReadNothingOutside) {
    for (std::size_t size = 0; size < kSample.size(); size += 7) {
        const TVersionResource truncated(kSample.substr(0, size));
        EXPECT_FALSE(truncated.Text(u"\\StringFileInfo\\2C0A04E4\\FileVersion").has_value());
    }
    std::string noSignature = kSample;
    noSignature[40] = 'X';
    EXPECT_FALSE(TVersionResource(noSignature).FixedFileInfo().has_value());

    const std::string noTranslation =
        B::Block(u"VS_VERSION_INFO", B::Fixed(1, 2, 3, 4), false,
                 {B::Block(u"VarFileInfo", "", true, {B::Block(u"Translation", "", false)})});
    EXPECT_FALSE(TVersionResource(noTranslation).Translation().has_value());
    EXPECT_TRUE(TVersionResource(noTranslation).FixedFileInfo().has_value());
}

TEST(VersionInfo, LongVersionWordsAndText) {
    const TLongVersion version{0x00010002, 0x00030004};
    EXPECT_EQ(version.All(), (std::array<std::uint16_t, 4>{2, 1, 4, 3}));
    EXPECT_EQ(TVersionInfo::LongVersionToString(version), u"1.2.3.4");
    EXPECT_EQ(TVersionInfo::LongVersionToString({0x00090001, 0x00000003}), u"9.1.0.3");
    EXPECT_EQ(TVersionInfo::LongVersionToString({0xFFFF0000, 0}), u"65535.0.0.0");
}

TEST(VersionInfo, CharSetsByCodePage) {
    EXPECT_EQ(VersionCharSetOf(1252), vcsMultilingual);
    EXPECT_EQ(VersionCharSetOf(1200), vcsUnicode);
    EXPECT_EQ(VersionCharSetOf(0), vcsASCII);
    EXPECT_EQ(VersionCharSetOf(850), vcsUnknown);
}

TEST(VersionInfo, LanguageNamesAsTheSystemShowsThem) {
    EXPECT_EQ(LanguageName(0x2C0A), u"Español(Argentina)");
    EXPECT_EQ(LanguageName(0x0C0A), u"Español(España-Alfabetización tradicional)");
    EXPECT_EQ(LanguageName(0x0416), u"Portugués(Brasileño)");
    EXPECT_EQ(LanguageName(0x0C07), u"Alemán (Austríaco");
    EXPECT_EQ(LanguageName(0x0000), u"Desconocido");
    EXPECT_EQ(LanguageName(0x0425), u"");
    int known = 0;
    for (unsigned id = 0; id <= 0xFFFF; ++id) {
        known += LanguageName(static_cast<std::uint16_t>(id)).empty() ? 0 : 1;
    }
    EXPECT_EQ(known, 52);
}

TEST(VersionInfo, AFileWithoutResourceIsNotValidAndEveryPropertyIsEmpty) {
    const test::TTempFolder folder;
    const std::u16string plain = folder.Text() + u"plain.txt";
    test::WriteBytes(plain, "no version here");
    TVersionInfo info(folder.Text() + u"missing.exe");
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_FALSE(info.Valid());
        EXPECT_EQ(info.FixedFileInfo(), nullptr);
        EXPECT_EQ(info.FileVersion(), u"");
        EXPECT_EQ(info.ProductVersion(), u"");
        EXPECT_EQ(info.CompanyName(), u"");
        EXPECT_EQ(info.VersionNum(), 0);
        EXPECT_EQ(info.VersionCharSet(), vcsUnknown);
        EXPECT_EQ(info.Language(), u"");
        EXPECT_EQ(info.GetTranslationString(), u"");
        EXPECT_FALSE(info.Translation().has_value());
        EXPECT_EQ(info.FileLongVersion().MS, 0u);
        if (pass == 0) {
            EXPECT_EQ(info.VerFileDate(), TDateTime{});
            info.SetFileName(plain);
            EXPECT_EQ(info.FileName(), plain);
        }
    }
    EXPECT_GE(info.VerFileDate().Year, 2020);
}

} // namespace
} // namespace typ
