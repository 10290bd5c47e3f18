#include "help/HtmlHelp.h"

#include "charconv/UnicodeBytes.h"
#include "environment/Conversion.h"
#include "environment/FilePath.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

std::u16string InFolder(std::u16string_view name) {
    return std::u16string(u"sistema") + kPathDelim + u"ayuda" + kPathDelim + std::u16string(name);
}

TEST(HtmlHelpTest, ModuleNamesDropEveryExtensionAndUnderscore) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"insta.chm", u"adm"},
        {u"insta_.chm", u"adm"},
        {u"iv.chm", u"iva"},
        {u"iva.chm", u"iva"},
        {u"iv_.chm", u"iva"},
        {u"a.chm.chm", u"a"},
        {u"ventas_stock.chm", u"ventasstock"},
        {u"manual.hlp", u"manual.hlp"},
        {u"INSTA.CHM", u"INSTA.CHM"},
        {u"", u""},
    };
    for (const auto& [name, module] : cases)
        EXPECT_EQ(HelpModuleName(name), module) << EncodeUtf8(std::u16string(name));
}

TEST(HtmlHelpTest, AddressesFollowModuleCountryAndContext) {
    const std::u16string base(kOnlineHelpBase);
    struct TCase {
        std::u16string_view Prefix, Country, File, Context, Address;
    };
    const TCase cases[] = {
        {u"21", u"CL", u"IV_.CHM", u"1234", u"21cl/ayudas_iva_1234"},
        {u"20", u"es", u"Operacion_.CHM", u"77", u"20es/documentos/operacion"},
        {u"20", u"es", u"OPERACION.chm", u"0", u"20es/documentos/operacion"},
        {u"20", u"", u"Insta.chm", u"5", u"20/ayudas_adm_5"},
        {u"20", u"", u"operacion.chm", u"5", u"20/documentos/operacion"},
        {u"22", u"MX", u"a.chm.chm", u"0", u"22mx/ayudas_a_0"},
        {u"22", u"MX", u"manual.hlp", u"3", u"22mx/ayudas_manual.hlp_3"},
        {u"22", u"M-1", u"Ventas_Stock.chm", u"3", u"22m-1/ayudas_ventasstock_3"},
    };
    EXPECT_EQ(base.back(), u'/');
    EXPECT_EQ(base.rfind(u"https://", 0), 0u);
    for (const TCase& c : cases)
        EXPECT_EQ(WebHelpAddress(c.Prefix, c.Country, InFolder(c.File), c.Context),
                  base + std::u16string(c.Address))
            << EncodeUtf8(std::u16string(c.File));
}

TEST(HtmlHelpTest, VersionIsTheFirstTwoCharactersAsAnInteger) {
    const std::pair<std::u16string_view, int> cases[] = {
        {u"19.05", 19}, {u"20", 20},       {u"20.1", 20},
        {u"2", 2},      {u"2024.1.5", 20}, {u"21.10.000", 21},
    };
    for (const auto& [version, value] : cases)
        EXPECT_EQ(HelpVersion(version), value) << EncodeUtf8(std::u16string(version));
    for (const auto& [version, prefix] :
         {std::pair{u"9.5", "9."}, std::pair{u"", ""}, std::pair{u"ab.1", "ab"}}) {
        try {
            HelpVersion(version);
            ADD_FAILURE() << prefix;
        } catch (const EConvertError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "'" + std::string(prefix) + "' is not a valid integer value");
        }
    }
}

} // namespace
} // namespace typ
