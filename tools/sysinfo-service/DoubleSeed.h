#pragma once

#include <string_view>

namespace typ {

// The installations the double knows from the start. The first is the one the
// editor's help path asks for: its basic record carries "SystemVersion" and
// "CountryCustomization" and a value of each type tag.
inline constexpr std::u16string_view kDoubleHLNumber = u"81234";
inline constexpr std::u16string_view kDoubleSystemVersion = u"2024.1.5";
inline constexpr std::u16string_view kDoubleCountry = u"ES";
inline constexpr std::u16string_view kDoubleZorvalHLNumber = u"95678";

namespace dbl {

inline constexpr std::u16string_view kSeedClient[] = {
    u"HLNumber=81234\r\nSystemVersion=2024.1.5\r\nCountryCustomization=ES\r\n"
    u"DirComunes=C:\\Velnor\\Comunes<S>\r\nAdminExist=True<B>\r\nAuditEvents=3<N>\r\n"
    u"ConnectionStream=414243<Y>\r\nPlataformaCliente=ORVIK<S>",
    u"ServicesHost=127.0.0.1<S>\r\nServicesPort=9098<N>",
    u"DictionaryCnxnStr=Provider=Local;Data Source=C:\\Velnor\\Dic<S>",
    u"CUFolder=C:\\Usuarios\\Datos<S>\r\nCUShowTips=False<B>",
    u"ExportFormats=2<N>\r\nExport1=PDF<S>\r\nExport2=XLS<S>",
};
inline constexpr std::u16string_view kSeedServer[] = {
    u"HlNumber=81234\r\nServerVersion=2024.1.5<S>\r\nCountryCustomization=ES<S>\r\n"
    u"Port=9097<N>\r\nPlataformaServer=ORVIK<S>",
    u"ServicesHost=127.0.0.1<S>\r\nServicesPort=9098<N>",
    u"DictionaryCnxnStr=Provider=Local;Data Source=C:\\Velnor\\Dic<S>",
};
inline constexpr std::u16string_view kSeedZorvalClient =
    u"HLNumber=95678\r\nSystemVersion=11.2\r\nCountryCustomization=MX\r\n"
    u"PlataformaCliente=ZORVAL<S>";
inline constexpr std::u16string_view kSeedPlatformServer =
    u"PlatformVersion=3.2<S>\r\nPlatformPort=9100<N>";
inline constexpr std::u16string_view kSeedPlatformClient =
    u"PlatformFolder=C:\\Velnor\\Plataforma<S>\r\nPlatformTrace=False<B>";

} // namespace dbl
} // namespace typ
