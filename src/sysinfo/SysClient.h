#pragma once

#include "sysinfo/SysExpOptions.h"
#include "sysinfo/SysInfoKeys.h"
#include "sysinfo/SysInfoSrv.h"
#include "sysinfo/SysPropertyAccess.h"

namespace typ {

// The client record of one installation, with its views: the export options,
// the connection settings and the current user's settings.
class TSysClient : public TSysInfoSrv {
public:
    TSysClient(std::u16string_view SysInfoR, int DataOption)
        : TSysInfoSrv(SysInfoR), FDataOption(DataOption) {}

    int DataOption() const { return FDataOption; }

    std::u16string AdmGral() const { return ReadText(*this, SysClientKeys::AdmGral); }
    bool AdminExist() const { return ReadYesNo(*this, SysClientKeys::AdminExist); }
    std::u16string Category() const { return ReadText(*this, SysClientKeys::Category); }
    bool CompressedComm() const { return ReadYesNo(*this, SysClientKeys::CompressedComm); }
    std::u16string CountryCode() const { return ReadText(*this, SysClientKeys::CountryCode); }
    std::u16string CommonDir() const { return ReadText(*this, SysClientKeys::CommonDir); }
    std::u16string Description() const { return ReadText(*this, SysClientKeys::Description); }
    int Events() const { return ReadNumber(*this, SysClientKeys::Events); }
    std::u16string HLMachine() const { return ReadText(*this, SysClientKeys::HLMachine); }
    std::u16string HLNumber() const { return ReadText(*this, SysClientKeys::HLNumber); }
    bool Launch() const { return ReadYesNo(*this, SysClientKeys::Launch); }
    std::u16string Platform() const { return ReadText(*this, SysClientKeys::Platform); }
    std::u16string ConfigDir() const { return ReadText(*this, SysClientKeys::ConfigDir); }
    std::u16string SystemDir() const { return ReadText(*this, SysClientKeys::SystemDir); }
    std::u16string SystemType() const { return ReadText(*this, SysClientKeys::SystemType); }
    std::u16string SystemVersion() const { return ReadText(*this, SysClientKeys::SystemVersion); }
    bool ZorvalIniFromFile() const { return ReadYesNo(*this, SysClientKeys::ZorvalIniFromFile); }
    std::u16string WorkingDir() const { return ReadText(*this, SysClientKeys::WorkingDir); }
    std::u16string DictionaryCnxnStr() { return DictionaryCnxnStrOnDemand(); }
    int UpdateExpress() const { return ReadNumber(*this, SysClientKeys::UpdateExpress); }
    int ZorvalCloudPort() const { return ReadNumber(*this, SysClientKeys::ZorvalCloudPort); }

    TSysExpOptions& SysExpOptions() { return ViewOnDemand(FSysExpOptions, kOnDemandExportOptions); }
    // Made without fetching anything.
    TConnectionInfo& ConnectionInfo();
    TCUConfig& CUConfig() { return ViewOnDemand(FCUConfig, kOnDemandCUConfig); }

    // A property of SysClientKeys as text; DictionaryCnxnStr is fetched on
    // demand as its property does.
    std::u16string PropertyText(const TSysProperty& property);

private:
    int FDataOption;
    std::unique_ptr<TSysExpOptions> FSysExpOptions;
    std::unique_ptr<TConnectionInfo> FConnectionInfo;
    std::unique_ptr<TCUConfig> FCUConfig;
};

// The client record with its writes (some under another key than they read).
class TSysClientW : public TSysClient {
public:
    using TSysClient::TSysClient;

    void SetAdmGral(std::u16string_view v) { WriteText(*this, SysClientKeys::AdmGral, v); }
    void SetAdminExist(bool v) { WriteYesNo(*this, SysClientKeys::AdminExist, v); }
    void SetCategory(std::u16string_view v) { WriteText(*this, SysClientKeys::Category, v); }
    void SetCompressedComm(bool v) { WriteYesNo(*this, SysClientKeys::CompressedComm, v); }
    void SetCountryCode(std::u16string_view v) { WriteText(*this, SysClientKeys::CountryCode, v); }
    void SetCommonDir(std::u16string_view v) { WriteText(*this, SysClientKeys::CommonDir, v); }
    void SetDescription(std::u16string_view v) { WriteText(*this, SysClientKeys::Description, v); }
    void SetEvents(int v) { WriteNumber(*this, SysClientKeys::Events, v); }
    void SetLaunch(bool v) { WriteYesNo(*this, SysClientKeys::Launch, v); }
    void SetPlatform(std::u16string_view v) { WriteText(*this, SysClientKeys::Platform, v); }
    void SetConfigDir(std::u16string_view v) { WriteText(*this, SysClientKeys::ConfigDir, v); }
    void SetSystemDir(std::u16string_view v) { WriteText(*this, SysClientKeys::SystemDir, v); }
    void SetSystemType(std::u16string_view v) { WriteText(*this, SysClientKeys::SystemType, v); }
    void SetSystemVersion(std::u16string_view v) {
        WriteText(*this, SysClientKeys::SystemVersion, v);
    }
    void SetZorvalIniFromFile(bool v) { WriteYesNo(*this, SysClientKeys::ZorvalIniFromFile, v); }
    void SetWorkingDir(std::u16string_view v) { WriteText(*this, SysClientKeys::WorkingDir, v); }
    void SetUpdateExpress(int v) { WriteNumber(*this, SysClientKeys::UpdateExpress, v); }
    void SetZorvalCloudPort(int v) { WriteNumber(*this, SysClientKeys::ZorvalCloudPort, v); }
};

} // namespace typ
