#include "server/Guid.h"
#include "server/Registration.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace typ {
namespace {

constexpr TGuid kClsid{
    0xE47A9B25, 0x3C16, 0x48D2, {0x9F, 0x0B, 0x71, 0xA5, 0xC6, 0xD8, 0x3E, 0x92}};

TClassRegistration Sample() {
    return {u"{E47A9B25-3C16-48D2-9F0B-71A5C6D83E92}",
            u"EditorTypCom Object",
            u"Vn_EditorTyp.EditorTypCom",
            u"C:\\Prog\\Vn_EditorTyp.exe",
            u"1.0",
            u"{5B1E7A32-C94D-4F07-A6E2-3D80F1B95C47}"};
}

TEST(ServerRegistrationTest, GuidTextIsUpperCaseInBracesWithLeadingZeros) {
    EXPECT_EQ(GuidText(kClsid), u"{E47A9B25-3C16-48D2-9F0B-71A5C6D83E92}");
    EXPECT_EQ(GuidText(TGuid{0xA, 0xb, 0x1, {0, 1, 2, 3, 4, 5, 6, 0xff}}),
              u"{0000000A-000B-0001-0001-0203040506FF}");
    EXPECT_EQ(GuidText(TGuid{}), u"{00000000-0000-0000-0000-000000000000}");
}

TEST(ServerRegistrationTest, MachineWideEntriesInTheirOrder) {
    const std::vector<TRegistryEntry> expected{
        {u"CLSID\\{E47A9B25-3C16-48D2-9F0B-71A5C6D83E92}", u"EditorTypCom Object"},
        {u"CLSID\\{E47A9B25-3C16-48D2-9F0B-71A5C6D83E92}\\LocalServer32",
         u"C:\\Prog\\Vn_EditorTyp.exe"},
        {u"Vn_EditorTyp.EditorTypCom", u"EditorTypCom Object"},
        {u"Vn_EditorTyp.EditorTypCom\\Clsid", u"{E47A9B25-3C16-48D2-9F0B-71A5C6D83E92}"},
        {u"CLSID\\{E47A9B25-3C16-48D2-9F0B-71A5C6D83E92}\\ProgID", u"Vn_EditorTyp.EditorTypCom"},
        {u"CLSID\\{E47A9B25-3C16-48D2-9F0B-71A5C6D83E92}\\Version", u"1.0"},
        {u"CLSID\\{E47A9B25-3C16-48D2-9F0B-71A5C6D83E92}\\TypeLib",
         u"{5B1E7A32-C94D-4F07-A6E2-3D80F1B95C47}"},
    };
    EXPECT_EQ(RegistrationEntries(Sample(), ClassesPrefix(false)), expected);
}

TEST(ServerRegistrationTest, PerUserEntriesGoUnderSoftwareClasses) {
    const auto entries = RegistrationEntries(Sample(), ClassesPrefix(true));
    ASSERT_EQ(entries.size(), 7u);
    EXPECT_EQ(entries[0].Key, u"Software\\Classes\\CLSID\\{E47A9B25-3C16-48D2-9F0B-71A5C6D83E92}");
    EXPECT_EQ(entries[2].Key, u"Software\\Classes\\Vn_EditorTyp.EditorTypCom");
    EXPECT_EQ(entries[3].Value, u"{E47A9B25-3C16-48D2-9F0B-71A5C6D83E92}");
}

TEST(ServerRegistrationTest, UnregistrationDeletesEveryKeyChildrenFirst) {
    const auto keys = UnregistrationKeys(Sample(), ClassesPrefix(true));
    const std::u16string classKey =
        u"Software\\Classes\\CLSID\\{E47A9B25-3C16-48D2-9F0B-71A5C6D83E92}";
    const std::vector<std::u16string> expected{
        classKey + u"\\TypeLib",
        classKey + u"\\Version",
        classKey + u"\\ProgID",
        u"Software\\Classes\\Vn_EditorTyp.EditorTypCom\\Clsid",
        u"Software\\Classes\\Vn_EditorTyp.EditorTypCom",
        classKey + u"\\LocalServer32",
        classKey,
    };
    EXPECT_EQ(keys, expected);
    const auto entries = RegistrationEntries(Sample(), ClassesPrefix(true));
    for (const TRegistryEntry& entry : entries)
        EXPECT_NE(std::find(keys.begin(), keys.end(), entry.Key), keys.end());
}

TEST(ServerRegistrationTest, NamesAndVersionsAsTheRegistryHoldsThem) {
    EXPECT_EQ(ProgIdOf(u"Vn_EditorTyp", u"EditorTypCom"), u"Vn_EditorTyp.EditorTypCom");
    EXPECT_EQ(ClassVersionText(1, 0), u"1.0");
    EXPECT_EQ(ClassVersionText(10, 12), u"10.12");
    const std::u16string libId = u"{5B1E7A32-C94D-4F07-A6E2-3D80F1B95C47}";
    EXPECT_EQ(TypeLibAliasKey(u"", libId, 1, 0, true),
              u"TypeLib\\{5B1E7A32-C94D-4F07-A6E2-3D80F1B95C47}\\1.0\\0\\win64");
    EXPECT_EQ(TypeLibAliasKey(u"Software\\Classes\\", libId, 10, 12, false),
              u"Software\\Classes\\TypeLib\\{5B1E7A32-C94D-4F07-A6E2-3D80F1B95C47}\\a.c\\0\\win32");
    EXPECT_EQ(TypeLibAliasLocaleKey(u"", libId, 1, 0),
              u"TypeLib\\{5B1E7A32-C94D-4F07-A6E2-3D80F1B95C47}\\1.0\\0");
}

TEST(ServerRegistrationTest, ShortPathOnlyForANameWithABlank) {
    EXPECT_TRUE(NeedsShortPath(u"C:\\Program Files\\Vn\\Vn_EditorTyp.exe"));
    EXPECT_TRUE(NeedsShortPath(u"C:\\Vn\\Editor Typ.exe"));
    EXPECT_FALSE(NeedsShortPath(u"C:\\PROGRA~1\\Vn\\Vn_EditorTyp.exe"));
    EXPECT_FALSE(NeedsShortPath(u"C:\\Vn\\Editor\tTyp.exe"));
}

} // namespace
} // namespace typ
