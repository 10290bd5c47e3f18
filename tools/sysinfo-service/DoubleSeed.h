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

// Every key the client and server record classes read carries a value that
// is not its property's default, so a read that finds nothing shows.
inline constexpr std::u16string_view kSeedClient[] = {
    u"HLNumber=81234\r\nSystemVersion=2024.1.5\r\nCountryCustomization=ES\r\n"
    u"DirComunes=C:\\Velnor\\Comunes<S>\r\nAdminExist=True<B>\r\nAuditEvents=3<N>\r\n"
    u"ConnectionStream=414243<Y>\r\nPlataformaCliente=ORVIK<S>\r\n"
    u"AdminApp=Administrador General<S>\r\nCategoria=Principal<S>\r\nCompressedComm=1<B>\r\n"
    u"Description=Oficina central<S>\r\nHLMachine=PUESTO01<S>\r\nStartUpLaunch=True<B>\r\n"
    u"ConfigDir=C:\\Velnor\\Config<S>\r\nSystemDir=C:\\Velnor\\Sistema<S>\r\n"
    u"TipoSistema=Gestion<S>\r\nZorvalIniFromFile=TRUE<B>\r\nWorkingDir=C:\\Velnor\\Trabajo<S>\r\n"
    u"UpdateExpress=1<N>\r\nZorvalCloudPort=9443<N>\r\n"
    u"DataCompList=DATOS1;DATOS2<S>\r\nDataCompName=DATOS1<S>\r\nDataConnType=1<N>\r\n"
    u"DataPort=9200<N>\r\nDataTimeout=30<N>\r\nLookUpCompList=BUSCA1<S>\r\n"
    u"LookUpCompName=BUSCA1<S>\r\nLookUpConnType=2<N>\r\nLookupPort=9201<N>\r\n"
    u"LookUpTimeout=31<N>\r\nReportCompList=INFORME1<S>\r\nReportCompName=INFORME1<S>\r\n"
    u"ReportConnType=3<N>\r\nReportPort=9202<N>\r\nReportTimeout=32<N>\r\n"
    u"ServerGUID={0B6F3E52-7A41-4C8E-9D1A-6C2B58E0F713}<S>\r\nServerName=SERVIDOR01<S>\r\n"
    u"UniqueConnection=True<B>",
    u"ServicesHost=127.0.0.1<S>\r\nServicesPort=9098<N>\r\n"
    u"{6E25B8DE-5CFA-4540-B8BE-78F6A8A33AD3}=127.0.0.1:9301<S>\r\n"
    u"{61C7CE60-1785-47C3-8468-CF70818E8D26}=127.0.0.1:9302\r\n"
    u"{7B00D49C-B1F3-49E3-80DB-EECF722DC004}=127.0.0.1:9303\r\n"
    u"{B02249F7-4D92-4A8A-B714-2B158B6CCD42}=127.0.0.1:9304\r\n"
    u"{5597AC5F-66B4-4AC3-92A4-6B998FCC0AED}=127.0.0.1:9305\r\n"
    u"{BC8625B4-CED6-4CD0-95C0-409E0F0A44AF}=127.0.0.1:9306\r\n"
    u"{945F4152-7C5D-42ED-8099-E05808A4BBFE}=127.0.0.1:9307\r\n"
    u"{5E81C936-80C2-4C23-8D2D-4BD50E18DD73}=127.0.0.1:9308",
    u"DictionaryCnxnStr=Provider=Local;Data Source=C:\\Velnor\\Dic<S>",
    u"CUFolder=C:\\Usuarios\\Datos<S>\r\nCUShowTips=False<B>\r\n"
    u"UltimoAccesoEmpresa=Empresa Demo<S>\r\nDefaultDestination=Pantalla<S>\r\n"
    u"UltimoAccesoDominio=OFICINA<S>\r\nUsaLogueoRed=True<B>\r\nShowCopyRight=True<B>\r\n"
    u"ShowMenuImage=1<B>\r\nUpdateAutomatico=True<B>\r\nUltimoAccesoUsuario=ana<S>",
    u"ExportFormats=2<N>\r\nExport1=PDF<S>\r\nExport2=XLS<S>\r\n"
    u"ExpOption0=COM_Classname=Vn.ExportPdf,Name=PDF,\"Description=Documento PDF\"<S>\r\n"
    u"ExpOption1=\"COM_Classname=Vn.ExportXls\", Name=Excel<S>",
};
inline constexpr std::u16string_view kSeedServer[] = {
    u"HlNumber=81234\r\nServerVersion=2024.1.5<S>\r\nCountryCustomization=ES<S>\r\n"
    u"Port=9097<N>\r\nPlataformaServer=ORVIK<S>\r\n"
    u"Category=Central<S>\r\nDirComunes=D:\\Velnor\\Comunes<S>\r\nCOMP_USUARIOINTERACTIVO=S<S>\r\n"
    u"COMP_USARROLES=True<S>\r\nConfigDir=D:\\Velnor\\Config<S>\r\nConnectionStream=414243<Y>\r\n"
    u"Description=Servidor "
    u"central<S>\r\nDictionaryDomainId=7<S>\r\nDictionaryName=DICCIONARIO<S>\r\n"
    u"DictionaryServer=SQL01<S>\r\nDictionaryTypeDB=MSSQL<S>\r\nDictionaryUserName=dic<S>\r\n"
    u"HLMachine=SERVIDOR01<S>\r\nHLTYPE=RED<S>\r\nHLServer=SERVIDOR01<S>\r\n"
    u"HotFixNumber=12<S>\r\nMonoUsuario=S<S>\r\nServerSystemDir=D:\\Velnor\\Sistema<S>\r\n"
    u"TipoSistema=Gestion<S>\r\nNombreShareCarpetaSistema=VelnorSistema<S>\r\n"
    u"NombreShareCarpetaInstaladorCliente=VelnorInstalador<S>\r\n"
    u"NombreShareCarpetaUpdate=VelnorUpdate<S>\r\ntelvaBackupEnable=1<N>\r\n"
    u"TelvaBackupInicializado=1<N>\r\nZorvalCloudPort=9443<N>\r\nZorvalConnectPort=9444<N>",
    u"ServicesHost=127.0.0.1<S>\r\nServicesPort=9098<N>\r\n"
    u"{6E25B8DE-5CFA-4540-B8BE-78F6A8A33AD3}=127.0.0.1:9301<S>",
    u"DictionaryCnxnStr=Provider=Local;Data Source=C:\\Velnor\\Dic<S>",
};
inline constexpr std::u16string_view kSeedZorvalClient =
    u"HLNumber=95678\r\nSystemVersion=11.2\r\nCountryCustomization=MX\r\n"
    u"PlataformaCliente=ZORVAL<S>";
inline constexpr std::u16string_view kSeedPlatformServer =
    u"PlatformVersion=3.2<S>\r\nPlatformPort=9100<N>\r\nSocketPort=211<N>\r\n"
    u"SvcConAccRemPort=9400<N>\r\nCommonFiles=C:\\Archivos comunes<S>\r\n"
    u"CommonFilesVelnor=C:\\Archivos comunes\\Velnor<S>\r\n"
    u"CommonFilesVelnorServer=C:\\Archivos comunes\\Velnor\\Servidor<S>\r\n"
    u"CommonFilesVelnorShared=C:\\Archivos comunes\\Velnor\\Compartido<S>";
inline constexpr std::u16string_view kSeedPlatformClient =
    u"PlatformFolder=C:\\Velnor\\Plataforma<S>\r\nPlatformTrace=False<B>\r\n"
    u"CommonFiles=C:\\Archivos comunes<S>\r\nCommonFilesVelnor=C:\\Archivos comunes\\Velnor<S>\r\n"
    u"CommonFilesVelnorClient=C:\\Archivos comunes\\Velnor\\Cliente<S>\r\n"
    u"CommonFilesVelnotShared=C:\\Archivos comunes\\Velnor\\Compartido<S>";

} // namespace dbl
} // namespace typ
