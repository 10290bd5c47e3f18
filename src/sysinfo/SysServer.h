#pragma once

#include "sysinfo/SysInfoKeys.h"
#include "sysinfo/SysInfoSrv.h"
#include "sysinfo/SysPropertyAccess.h"

namespace typ {

// The server record of one installation.
class TSysServer : public TSysInfoSrv {
public:
    TSysServer(std::u16string_view SysInfoR, int DataOption)
        : TSysInfoSrv(SysInfoR), FDataOption(DataOption) {}

    int DataOption() const { return FDataOption; }

    std::u16string Category() const { return Str(SysServerKeys::Category); }
    std::u16string CommonDir() const { return Str(SysServerKeys::CommonDir); }
    bool CompUserInteract() const { return YesNo(SysServerKeys::CompUserInteract); }
    bool CompUseRol() const { return YesNo(SysServerKeys::CompUseRol); }
    std::u16string ConfigDir() const { return Str(SysServerKeys::ConfigDir); }
    std::u16string ConnectionStream() const { return Str(SysServerKeys::ConnectionStream); }
    std::u16string CountryCode() const { return Str(SysServerKeys::CountryCode); }
    std::u16string Description() const { return Str(SysServerKeys::Description); }
    std::u16string DictionaryCnxnStr() { return DictionaryCnxnStrOnDemand(); }
    std::u16string DictionaryDomainID() const { return Str(SysServerKeys::DictionaryDomainID); }
    std::u16string DictionaryName() const { return Str(SysServerKeys::DictionaryName); }
    std::u16string DictionaryServer() const { return Str(SysServerKeys::DictionaryServer); }
    std::u16string DictionaryTypeDB() const { return Str(SysServerKeys::DictionaryTypeDB); }
    std::u16string DictionaryUserName() const { return Str(SysServerKeys::DictionaryUserName); }
    std::u16string HLMachine() const { return Str(SysServerKeys::HLMachine); }
    std::u16string HLNumber() const { return Str(SysServerKeys::HLNumber); }
    std::u16string HLType() const { return Str(SysServerKeys::HLType); }
    std::u16string HLServer() const { return Str(SysServerKeys::HLServer); }
    std::u16string HotFixNumber() const { return Str(SysServerKeys::HotFixNumber); }
    bool MonoUser() const { return YesNo(SysServerKeys::MonoUser); }
    std::u16string Platform() const { return Str(SysServerKeys::Platform); }
    int Port() const { return ReadNumber(*this, SysServerKeys::Port); }
    std::u16string ServerVersion() const { return Str(SysServerKeys::ServerVersion); }
    std::u16string SystemDir() const { return Str(SysServerKeys::SystemDir); }
    std::u16string SystemType() const { return Str(SysServerKeys::SystemType); }
    bool IsOrvik() const { return YesNo(SysServerKeys::IsOrvik); }
    std::u16string ShareSystemFolder() const { return Str(SysServerKeys::ShareSystemFolder); }
    std::u16string ShareClientIntallerFolder() const {
        return Str(SysServerKeys::ShareClientIntallerFolder);
    }
    std::u16string ShareUpdateFolder() const { return Str(SysServerKeys::ShareUpdateFolder); }
    bool TelvaBackupEnable() const { return YesNo(SysServerKeys::TelvaBackupEnable); }
    bool TelvaBackupInitialized() const { return YesNo(SysServerKeys::TelvaBackupInitialized); }
    int ZorvalCloudPort() const { return ReadNumber(*this, SysServerKeys::ZorvalCloudPort); }
    int ZorvalConnectPort() const { return ReadNumber(*this, SysServerKeys::ZorvalConnectPort); }

    // A property of SysServerKeys as text; DictionaryCnxnStr is fetched on
    // demand as its property does.
    std::u16string PropertyText(const TSysProperty& property);

private:
    std::u16string Str(const TSysProperty& property) const { return ReadText(*this, property); }
    bool YesNo(const TSysProperty& property) const { return ReadYesNo(*this, property); }

    int FDataOption;
};

// The server record with its writes.
class TSysServerW : public TSysServer {
public:
    using TSysServer::TSysServer;

    void SetCategory(std::u16string_view v) { Write(SysServerKeys::Category, v); }
    void SetCommonDir(std::u16string_view v) { Write(SysServerKeys::CommonDir, v); }
    void SetCompUserInteract(bool v) { WriteYesNo(*this, SysServerKeys::CompUserInteract, v); }
    void SetCompUseRol(bool v) { WriteYesNo(*this, SysServerKeys::CompUseRol, v); }
    void SetConfigDir(std::u16string_view v) { Write(SysServerKeys::ConfigDir, v); }
    void SetConnectionStream(std::u16string_view v) { Write(SysServerKeys::ConnectionStream, v); }
    void SetCountryCode(std::u16string_view v) { Write(SysServerKeys::CountryCode, v); }
    void SetDescription(std::u16string_view v) { Write(SysServerKeys::Description, v); }
    void SetDictionaryCnxnStr(std::u16string_view v) { Write(SysServerKeys::DictionaryCnxnStr, v); }
    void SetDictionaryDomainID(std::u16string_view v) {
        Write(SysServerKeys::DictionaryDomainID, v);
    }
    void SetDictionaryName(std::u16string_view v) { Write(SysServerKeys::DictionaryName, v); }
    void SetDictionaryServer(std::u16string_view v) { Write(SysServerKeys::DictionaryServer, v); }
    void SetDictionaryTypeDB(std::u16string_view v) { Write(SysServerKeys::DictionaryTypeDB, v); }
    void SetDictionaryUserName(std::u16string_view v) {
        Write(SysServerKeys::DictionaryUserName, v);
    }
    void SetHLMachine(std::u16string_view v) { Write(SysServerKeys::HLMachine, v); }
    void SetHLType(std::u16string_view v) { Write(SysServerKeys::HLType, v); }
    void SetHotFixNumber(std::u16string_view v) { Write(SysServerKeys::HotFixNumber, v); }
    void SetMonoUser(bool v) { WriteYesNo(*this, SysServerKeys::MonoUser, v); }
    void SetPlatform(std::u16string_view v) { Write(SysServerKeys::Platform, v); }
    void SetPort(int v) { WriteNumber(*this, SysServerKeys::Port, v); }
    void SetServerVersion(std::u16string_view v) { Write(SysServerKeys::ServerVersion, v); }
    void SetSystemDir(std::u16string_view v) { Write(SysServerKeys::SystemDir, v); }
    void SetSystemType(std::u16string_view v) { Write(SysServerKeys::SystemType, v); }
    void SetTelvaBackupEnable(bool v) { WriteYesNo(*this, SysServerKeys::TelvaBackupEnable, v); }
    void SetTelvaBackupInitialized(bool v) {
        WriteYesNo(*this, SysServerKeys::TelvaBackupInitialized, v);
    }
    void SetZorvalCloudPort(int v) { WriteNumber(*this, SysServerKeys::ZorvalCloudPort, v); }
    void SetZorvalConnectPort(int v) { WriteNumber(*this, SysServerKeys::ZorvalConnectPort, v); }

private:
    void Write(const TSysProperty& property, std::u16string_view v) {
        WriteText(*this, property, v);
    }
};

} // namespace typ
