#pragma once

// Every typed property of the record classes, each with the key it reads, its
// kind and the key its writable form writes (empty: not writable). The
// classes read and write through these rows only, so each key is here once.

#include "sysinfo/SysInfoProperty.h"

namespace typ {

namespace SysClientKeys {
using enum TValueKind;
inline constexpr TSysProperty AdmGral{u"AdmGral", u"AdminApp", S, u"AdminApp"};
inline constexpr TSysProperty AdminExist{u"AdminExist", u"AdminExist", B, u"AdminExist"};
inline constexpr TSysProperty Category{u"Category", u"Categoria", S, u"Categoria"};
inline constexpr TSysProperty CompressedComm{u"CompressedComm", u"CompressedComm", B,
                                             u"CompressedComm"};
inline constexpr TSysProperty CountryCode{u"CountryCode", u"CountryCustomization", S,
                                          u"CountryCode"};
inline constexpr TSysProperty CommonDir{u"CommonDir", u"DirComunes", S, u"DirComunes", u"Comunes"};
inline constexpr TSysProperty Description{u"Description", u"Description", S, u"Description"};
inline constexpr TSysProperty Events{u"Events", u"AuditEvents", N, u"AuditEvents"};
inline constexpr TSysProperty HLMachine{u"HLMachine", u"HLMachine", S, {}};
inline constexpr TSysProperty HLNumber{u"HLNumber", u"HLNumber", S, {}};
inline constexpr TSysProperty Launch{u"Launch", u"StartUpLaunch", B, u"StartUpLaunch"};
inline constexpr TSysProperty Platform{u"Platform", u"PlataformaCliente", S, u"Plataforma"};
inline constexpr TSysProperty ConfigDir{u"ConfigDir", u"ConfigDir", S, u"ConfigDir"};
inline constexpr TSysProperty SystemDir{u"SystemDir", u"SystemDir", S, u"SystemDir"};
inline constexpr TSysProperty SystemType{u"SystemType", u"TipoSistema", S, u"SystemType"};
inline constexpr TSysProperty SystemVersion{u"SystemVersion", u"SystemVersion", S,
                                            u"SystemVersion"};
inline constexpr TSysProperty ZorvalIniFromFile{u"ZorvalIniFromFile", u"ZorvalIniFromFile", B,
                                                u"ZorvalIniFromFile"};
inline constexpr TSysProperty WorkingDir{u"WorkingDir", u"WorkingDir", S, u"WorkingDir"};
// Fetched on demand while it reads empty.
inline constexpr TSysProperty DictionaryCnxnStr{u"DictionaryCnxnStr", u"DictionaryCnxnStr", S, {}};
inline constexpr TSysProperty UpdateExpress{u"UpdateExpress", u"UpdateExpress", N,
                                            u"UpdateExpress"};
inline constexpr TSysProperty ZorvalCloudPort{u"ZorvalCloudPort", u"ZorvalCloudPort", N,
                                              u"ZorvalCloudPort"};

inline constexpr const TSysProperty* All[] = {
    &AdmGral,        &AdminExist,        &Category,   &CompressedComm,    &CountryCode,
    &CommonDir,      &Description,       &Events,     &HLMachine,         &HLNumber,
    &Launch,         &Platform,          &ConfigDir,  &SystemDir,         &SystemType,
    &SystemVersion,  &ZorvalIniFromFile, &WorkingDir, &DictionaryCnxnStr, &UpdateExpress,
    &ZorvalCloudPort};
} // namespace SysClientKeys

namespace SysServerKeys {
using enum TValueKind;
inline constexpr TSysProperty Category{u"Category", u"Category", S, u"Category"};
inline constexpr TSysProperty CommonDir{u"CommonDir", u"DirComunes", S, u"DirComunes"};
inline constexpr TSysProperty CompUserInteract{u"CompUserInteract", u"COMP_USUARIOINTERACTIVO",
                                               Flag, u"COMP_USUARIOINTERACTIVO"};
inline constexpr TSysProperty CompUseRol{u"CompUseRol", u"COMP_USARROLES", Flag, u"COMP_USARROLES"};
inline constexpr TSysProperty ConfigDir{u"ConfigDir", u"ConfigDir", S, u"ConfigDir"};
inline constexpr TSysProperty ConnectionStream{u"ConnectionStream", u"ConnectionStream", Y,
                                               u"ConnectionStream"};
inline constexpr TSysProperty CountryCode{u"CountryCode", u"CountryCustomization", S,
                                          u"CountryCode"};
inline constexpr TSysProperty Description{u"Description", u"Description", S, u"Description"};
// Fetched on demand while it reads empty.
inline constexpr TSysProperty DictionaryCnxnStr{u"DictionaryCnxnStr", u"DictionaryCnxnStr", S,
                                                u"DictionaryCnxnStr"};
inline constexpr TSysProperty DictionaryDomainID{u"DictionaryDomainID", u"DictionaryDomainId", S,
                                                 u"DictionaryDomainId"};
inline constexpr TSysProperty DictionaryName{u"DictionaryName", u"DictionaryName", S,
                                             u"DictionaryName"};
inline constexpr TSysProperty DictionaryServer{u"DictionaryServer", u"DictionaryServer", S,
                                               u"DictionaryServer"};
inline constexpr TSysProperty DictionaryTypeDB{u"DictionaryTypeDB", u"DictionaryTypeDB", S,
                                               u"DictionaryTypeDB"};
inline constexpr TSysProperty DictionaryUserName{u"DictionaryUserName", u"DictionaryUserName", S,
                                                 u"DictionaryUserName"};
inline constexpr TSysProperty HLMachine{u"HLMachine", u"HLMachine", S, u"HLMachine"};
inline constexpr TSysProperty HLNumber{u"HLNumber", u"HlNumber", S, {}};
inline constexpr TSysProperty HLType{u"HLType", u"HLTYPE", S, u"HLTYPE"};
inline constexpr TSysProperty HLServer{u"HLServer", u"HLServer", S, {}};
inline constexpr TSysProperty HotFixNumber{u"HotFixNumber", u"HotFixNumber", S, u"HotFixNumber"};
inline constexpr TSysProperty MonoUser{u"MonoUser", u"MonoUsuario", Flag, u"MonoUsuario"};
inline constexpr TSysProperty Platform{u"Platform", u"PlataformaServer", S, u"PlataformaServer"};
inline constexpr TSysProperty Port{u"Port", u"Port", N, u"Port"};
inline constexpr TSysProperty ServerVersion{u"ServerVersion", u"ServerVersion", S,
                                            u"ServerVersion"};
inline constexpr TSysProperty SystemDir{u"SystemDir", u"ServerSystemDir", S, u"ServerSystemDir"};
inline constexpr TSysProperty SystemType{u"SystemType", u"TipoSistema", S, u"SystemType"};
inline constexpr TSysProperty IsOrvik{u"IsOrvik", u"PlataformaServer", Orvik, {}};
inline constexpr TSysProperty ShareSystemFolder{
    u"ShareSystemFolder", u"NombreShareCarpetaSistema", S, {}};
inline constexpr TSysProperty ShareClientIntallerFolder{
    u"ShareClientIntallerFolder", u"NombreShareCarpetaInstaladorCliente", S, {}};
inline constexpr TSysProperty ShareUpdateFolder{
    u"ShareUpdateFolder", u"NombreShareCarpetaUpdate", S, {}};
inline constexpr TSysProperty TelvaBackupEnable{u"TelvaBackupEnable", u"telvaBackupEnable", One,
                                                u"telvaBackupEnable"};
inline constexpr TSysProperty TelvaBackupInitialized{
    u"TelvaBackupInitialized", u"TelvaBackupInicializado", One, u"TelvaBackupInicializado"};
inline constexpr TSysProperty ZorvalCloudPort{u"ZorvalCloudPort", u"ZorvalCloudPort", N,
                                              u"ZorvalCloudPort"};
inline constexpr TSysProperty ZorvalConnectPort{u"ZorvalConnectPort", u"ZorvalConnectPort", N,
                                                u"ZorvalConnectPort"};

inline constexpr const TSysProperty* All[] = {&Category,
                                              &CommonDir,
                                              &CompUserInteract,
                                              &CompUseRol,
                                              &ConfigDir,
                                              &ConnectionStream,
                                              &CountryCode,
                                              &Description,
                                              &DictionaryCnxnStr,
                                              &DictionaryDomainID,
                                              &DictionaryName,
                                              &DictionaryServer,
                                              &DictionaryTypeDB,
                                              &DictionaryUserName,
                                              &HLMachine,
                                              &HLNumber,
                                              &HLType,
                                              &HLServer,
                                              &HotFixNumber,
                                              &MonoUser,
                                              &Platform,
                                              &Port,
                                              &ServerVersion,
                                              &SystemDir,
                                              &SystemType,
                                              &IsOrvik,
                                              &ShareSystemFolder,
                                              &ShareClientIntallerFolder,
                                              &ShareUpdateFolder,
                                              &TelvaBackupEnable,
                                              &TelvaBackupInitialized,
                                              &ZorvalCloudPort,
                                              &ZorvalConnectPort};
} // namespace SysServerKeys

namespace ConnectionInfoKeys {
using enum TValueKind;
inline constexpr TSysProperty DataCompList{u"DataCompList", u"DataCompList", S, {}};
inline constexpr TSysProperty DataCompName{u"DataCompName", u"DataCompName", S, u"DataCompName"};
inline constexpr TSysProperty DataConnType{u"DataConnType", u"DataConnType", N, u"DataConnType"};
inline constexpr TSysProperty DataPort{u"DataPort", u"DataPort", N, u"DataPort"};
inline constexpr TSysProperty DataTimeOut{u"DataTimeOut", u"DataTimeout", N, u"DataTimeout"};
inline constexpr TSysProperty LookUpCompList{u"LookUpCompList", u"LookUpCompList", S,
                                             u"LookUpCompList"};
inline constexpr TSysProperty LookUpCompName{u"LookUpCompName", u"LookUpCompName", S,
                                             u"LookUpCompName"};
inline constexpr TSysProperty LookUpConnType{u"LookUpConnType", u"LookUpConnType", N,
                                             u"LookUpConnType"};
inline constexpr TSysProperty LookUpPort{u"LookUpPort", u"LookupPort", N, u"LookupPort"};
inline constexpr TSysProperty LookUpTimeOut{u"LookUpTimeOut", u"LookUpTimeout", N,
                                            u"LookUpTimeout"};
inline constexpr TSysProperty ReportCompList{u"ReportCompList", u"ReportCompList", S,
                                             u"ReportCompList"};
inline constexpr TSysProperty ReportCompName{u"ReportCompName", u"ReportCompName", S,
                                             u"ReportCompName"};
inline constexpr TSysProperty ReportConnType{u"ReportConnType", u"ReportConnType", N,
                                             u"ReportConnType"};
inline constexpr TSysProperty ReportPort{u"ReportPort", u"ReportPort", N, u"ReportPort"};
inline constexpr TSysProperty ReportTimeOut{u"ReportTimeOut", u"ReportTimeout", N,
                                            u"ReportTimeout"};
inline constexpr TSysProperty ServerGUID{u"ServerGUID", u"ServerGUID", S, u"ServerGUID"};
inline constexpr TSysProperty ServerName{u"ServerName", u"ServerName", S, u"ServerName"};
inline constexpr TSysProperty UniqueConnection{u"UniqueConnection", u"UniqueConnection", B,
                                               u"UniqueConnection"};

inline constexpr const TSysProperty* All[] = {
    &DataCompList,   &DataCompName,   &DataConnType,    &DataPort,   &DataTimeOut,
    &LookUpCompList, &LookUpCompName, &LookUpConnType,  &LookUpPort, &LookUpTimeOut,
    &ReportCompList, &ReportCompName, &ReportConnType,  &ReportPort, &ReportTimeOut,
    &ServerGUID,     &ServerName,     &UniqueConnection};
} // namespace ConnectionInfoKeys

namespace CUConfigKeys {
using enum TValueKind;
inline constexpr TSysProperty Company{u"Company", u"UltimoAccesoEmpresa", S,
                                      u"UltimoAccesoEmpresa"};
inline constexpr TSysProperty DefaultDestination{u"DefaultDestination", u"DefaultDestination", S,
                                                 u"DefaultDestination"};
inline constexpr TSysProperty Domain{u"Domain", u"UltimoAccesoDominio", S, u"UltimoAccesoDominio"};
inline constexpr TSysProperty NetUser{u"NetUser", u"UsaLogueoRed", B, u"UsaLogueoRed"};
inline constexpr TSysProperty ShowCopyRight{u"ShowCopyRight", u"ShowCopyRight", B,
                                            u"ShowCopyRight"};
inline constexpr TSysProperty ShowMenuImage{u"ShowMenuImage", u"ShowMenuImage", B,
                                            u"ShowMenuImage"};
inline constexpr TSysProperty UpdateAutomatic{u"UpdateAutomatic", u"UpdateAutomatico", B,
                                              u"UpdateAutomatico"};
inline constexpr TSysProperty User{u"User", u"UltimoAccesoUsuario", S, u"UltimoAccesoUsuario"};

inline constexpr const TSysProperty* All[] = {
    &Company,       &DefaultDestination, &Domain,          &NetUser,
    &ShowCopyRight, &ShowMenuImage,      &UpdateAutomatic, &User};
} // namespace CUConfigKeys

// Read only, each value as stored (tag included); the keys are GUIDs.
namespace SysServiceLocationKeys {
using enum TValueKind;
inline constexpr TSysProperty Centralization{
    u"Centralization", u"{6E25B8DE-5CFA-4540-B8BE-78F6A8A33AD3}", Raw, {}};
inline constexpr TSysProperty CopySecurity{
    u"CopySecurity", u"{61C7CE60-1785-47C3-8468-CF70818E8D26}", Raw, {}};
inline constexpr TSysProperty Depuration{
    u"Depuration", u"{7B00D49C-B1F3-49E3-80DB-EECF722DC004}", Raw, {}};
inline constexpr TSysProperty ControlRemoteAccess{
    u"ControlRemoteAccess", u"{B02249F7-4D92-4A8A-B714-2B158B6CCD42}", Raw, {}};
inline constexpr TSysProperty AccessBoardControl{
    u"AccessBoardControl", u"{5597AC5F-66B4-4AC3-92A4-6B998FCC0AED}", Raw, {}};
inline constexpr TSysProperty BoardControl{
    u"BoardControl", u"{BC8625B4-CED6-4CD0-95C0-409E0F0A44AF}", Raw, {}};
inline constexpr TSysProperty SondeWeb{
    u"SondeWeb", u"{945F4152-7C5D-42ED-8099-E05808A4BBFE}", Raw, {}};
inline constexpr TSysProperty Monitoring{
    u"Monitoring", u"{5E81C936-80C2-4C23-8D2D-4BD50E18DD73}", Raw, {}};

inline constexpr const TSysProperty* All[] = {
    &Centralization,     &CopySecurity, &Depuration, &ControlRemoteAccess,
    &AccessBoardControl, &BoardControl, &SondeWeb,   &Monitoring};
} // namespace SysServiceLocationKeys

namespace SysPlatformServerKeys {
using enum TValueKind;
inline constexpr TSysProperty SocketPort{u"SocketPort", u"SocketPort", N, u"SocketPort"};
inline constexpr TSysProperty SvcConAccRemPort{u"SvcConAccRemPort", u"SvcConAccRemPort", N,
                                               u"SvcConAccRemPort"};
inline constexpr TSysProperty CommonFiles{u"CommonFiles", u"CommonFiles", S, {}};
inline constexpr TSysProperty CommonFilesVelnor{u"CommonFilesVelnor", u"CommonFilesVelnor", S, {}};
inline constexpr TSysProperty CommonFilesVelnorServer{
    u"CommonFilesVelnorServer", u"CommonFilesVelnorServer", S, u"CommonFilesVelnorServer"};
inline constexpr TSysProperty CommonFilesVelnorShared{
    u"CommonFilesVelnorShared", u"CommonFilesVelnorShared", S, u"CommonFilesVelnorShared"};

inline constexpr const TSysProperty* All[] = {
    &SocketPort,        &SvcConAccRemPort,        &CommonFiles,
    &CommonFilesVelnor, &CommonFilesVelnorServer, &CommonFilesVelnorShared};
} // namespace SysPlatformServerKeys

namespace SysPlatformClientKeys {
using enum TValueKind;
inline constexpr TSysProperty CommonFiles{u"CommonFiles", u"CommonFiles", S, {}};
inline constexpr TSysProperty CommonFilesVelnor{u"CommonFilesVelnor", u"CommonFilesVelnor", S, {}};
inline constexpr TSysProperty CommonFilesVelnorClient{
    u"CommonFilesVelnorClient", u"CommonFilesVelnorClient", S, u"CommonFilesVelnorClient"};
// The service's key is spelt so.
inline constexpr TSysProperty CommonFilesVelnorShared{
    u"CommonFilesVelnorShared", u"CommonFilesVelnotShared", S, u"CommonFilesVelnotShared"};

inline constexpr const TSysProperty* All[] = {&CommonFiles, &CommonFilesVelnor,
                                              &CommonFilesVelnorClient, &CommonFilesVelnorShared};
} // namespace SysPlatformClientKeys

} // namespace typ
