#pragma once

// Views on a client or server record's line list: each reads and writes the
// record's lines and keeps its own list of changes. Made and owned by their
// record, reached only through it.

#include "sysinfo/SysInfo.h"
#include "sysinfo/SysInfoKeys.h"
#include "sysinfo/SysPropertyAccess.h"

namespace typ {

// The addresses of the services; read only, values as stored.
class TSysServiceLocation : public TSysInfo {
public:
    explicit TSysServiceLocation(TSysInfoLines& Shared) : TSysInfo(Shared) {}

    std::u16string Centralization() const { return Raw(SysServiceLocationKeys::Centralization); }
    std::u16string CopySecurity() const { return Raw(SysServiceLocationKeys::CopySecurity); }
    std::u16string Depuration() const { return Raw(SysServiceLocationKeys::Depuration); }
    std::u16string ControlRemoteAccess() const {
        return Raw(SysServiceLocationKeys::ControlRemoteAccess);
    }
    std::u16string AccessBoardControl() const {
        return Raw(SysServiceLocationKeys::AccessBoardControl);
    }
    std::u16string BoardControl() const { return Raw(SysServiceLocationKeys::BoardControl); }
    std::u16string SondeWeb() const { return Raw(SysServiceLocationKeys::SondeWeb); }
    std::u16string Monitoring() const { return Raw(SysServiceLocationKeys::Monitoring); }

private:
    std::u16string Raw(const TSysProperty& property) const { return ReadText(*this, property); }
};

// How a client reaches its data, look-up and report servers.
class TConnectionInfo : public TSysInfo {
public:
    explicit TConnectionInfo(TSysInfoLines& Shared) : TSysInfo(Shared) {}

    std::u16string DataCompList() const {
        return ReadText(*this, ConnectionInfoKeys::DataCompList);
    }
    std::u16string DataCompName() const {
        return ReadText(*this, ConnectionInfoKeys::DataCompName);
    }
    int DataConnType() const { return ReadNumber(*this, ConnectionInfoKeys::DataConnType); }
    int DataPort() const { return ReadNumber(*this, ConnectionInfoKeys::DataPort); }
    int DataTimeOut() const { return ReadNumber(*this, ConnectionInfoKeys::DataTimeOut); }
    std::u16string LookUpCompList() const {
        return ReadText(*this, ConnectionInfoKeys::LookUpCompList);
    }
    std::u16string LookUpCompName() const {
        return ReadText(*this, ConnectionInfoKeys::LookUpCompName);
    }
    int LookUpConnType() const { return ReadNumber(*this, ConnectionInfoKeys::LookUpConnType); }
    int LookUpPort() const { return ReadNumber(*this, ConnectionInfoKeys::LookUpPort); }
    int LookUpTimeOut() const { return ReadNumber(*this, ConnectionInfoKeys::LookUpTimeOut); }
    std::u16string ReportCompList() const {
        return ReadText(*this, ConnectionInfoKeys::ReportCompList);
    }
    std::u16string ReportCompName() const {
        return ReadText(*this, ConnectionInfoKeys::ReportCompName);
    }
    int ReportConnType() const { return ReadNumber(*this, ConnectionInfoKeys::ReportConnType); }
    int ReportPort() const { return ReadNumber(*this, ConnectionInfoKeys::ReportPort); }
    int ReportTimeOut() const { return ReadNumber(*this, ConnectionInfoKeys::ReportTimeOut); }
    std::u16string ServerGUID() const { return ReadText(*this, ConnectionInfoKeys::ServerGUID); }
    std::u16string ServerName() const { return ReadText(*this, ConnectionInfoKeys::ServerName); }
    bool UniqueConnection() const { return ReadYesNo(*this, ConnectionInfoKeys::UniqueConnection); }

    void SetDataCompName(std::u16string_view v) {
        WriteText(*this, ConnectionInfoKeys::DataCompName, v);
    }
    void SetDataConnType(int v) { WriteNumber(*this, ConnectionInfoKeys::DataConnType, v); }
    void SetDataPort(int v) { WriteNumber(*this, ConnectionInfoKeys::DataPort, v); }
    void SetDataTimeOut(int v) { WriteNumber(*this, ConnectionInfoKeys::DataTimeOut, v); }
    void SetLookUpCompList(std::u16string_view v) {
        WriteText(*this, ConnectionInfoKeys::LookUpCompList, v);
    }
    void SetLookUpCompName(std::u16string_view v) {
        WriteText(*this, ConnectionInfoKeys::LookUpCompName, v);
    }
    void SetLookUpConnType(int v) { WriteNumber(*this, ConnectionInfoKeys::LookUpConnType, v); }
    void SetLookUpPort(int v) { WriteNumber(*this, ConnectionInfoKeys::LookUpPort, v); }
    void SetLookUpTimeOut(int v) { WriteNumber(*this, ConnectionInfoKeys::LookUpTimeOut, v); }
    void SetReportCompList(std::u16string_view v) {
        WriteText(*this, ConnectionInfoKeys::ReportCompList, v);
    }
    void SetReportCompName(std::u16string_view v) {
        WriteText(*this, ConnectionInfoKeys::ReportCompName, v);
    }
    void SetReportConnType(int v) { WriteNumber(*this, ConnectionInfoKeys::ReportConnType, v); }
    void SetReportPort(int v) { WriteNumber(*this, ConnectionInfoKeys::ReportPort, v); }
    void SetReportTimeOut(int v) { WriteNumber(*this, ConnectionInfoKeys::ReportTimeOut, v); }
    void SetServerGUID(std::u16string_view v) {
        WriteText(*this, ConnectionInfoKeys::ServerGUID, v);
    }
    void SetServerName(std::u16string_view v) {
        WriteText(*this, ConnectionInfoKeys::ServerName, v);
    }
    void SetUniqueConnection(bool v) { WriteYesNo(*this, ConnectionInfoKeys::UniqueConnection, v); }
};

// The current user's settings.
class TCUConfig : public TSysInfo {
public:
    explicit TCUConfig(TSysInfoLines& Shared) : TSysInfo(Shared) {}

    std::u16string Company() const { return ReadText(*this, CUConfigKeys::Company); }
    std::u16string DefaultDestination() const {
        return ReadText(*this, CUConfigKeys::DefaultDestination);
    }
    std::u16string Domain() const { return ReadText(*this, CUConfigKeys::Domain); }
    bool NetUser() const { return ReadYesNo(*this, CUConfigKeys::NetUser); }
    bool ShowCopyRight() const { return ReadYesNo(*this, CUConfigKeys::ShowCopyRight); }
    bool ShowMenuImage() const { return ReadYesNo(*this, CUConfigKeys::ShowMenuImage); }
    bool UpdateAutomatic() const { return ReadYesNo(*this, CUConfigKeys::UpdateAutomatic); }
    std::u16string User() const { return ReadText(*this, CUConfigKeys::User); }

    void SetCompany(std::u16string_view v) { WriteText(*this, CUConfigKeys::Company, v); }
    void SetDefaultDestination(std::u16string_view v) {
        WriteText(*this, CUConfigKeys::DefaultDestination, v);
    }
    void SetDomain(std::u16string_view v) { WriteText(*this, CUConfigKeys::Domain, v); }
    void SetNetUser(bool v) { WriteYesNo(*this, CUConfigKeys::NetUser, v); }
    void SetShowCopyRight(bool v) { WriteYesNo(*this, CUConfigKeys::ShowCopyRight, v); }
    void SetShowMenuImage(bool v) { WriteYesNo(*this, CUConfigKeys::ShowMenuImage, v); }
    void SetUpdateAutomatic(bool v) { WriteYesNo(*this, CUConfigKeys::UpdateAutomatic, v); }
    void SetUser(std::u16string_view v) { WriteText(*this, CUConfigKeys::User, v); }
};

} // namespace typ
