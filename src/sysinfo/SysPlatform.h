#pragma once

#include "sysinfo/SysInfo.h"
#include "sysinfo/SysInfoKeys.h"
#include "sysinfo/SysPropertyAccess.h"

namespace typ {

// The platform record of the server side, with its own line list.
class TSysPlatformServer : public TSysInfo {
public:
    explicit TSysPlatformServer(std::u16string_view SysInfoR) : TSysInfo(SysInfoR) {}

    int SocketPort() const { return ReadNumber(*this, SysPlatformServerKeys::SocketPort); }
    int SvcConAccRemPort() const {
        return ReadNumber(*this, SysPlatformServerKeys::SvcConAccRemPort);
    }
    std::u16string CommonFiles() const {
        return ReadText(*this, SysPlatformServerKeys::CommonFiles);
    }
    std::u16string CommonFilesVelnor() const {
        return ReadText(*this, SysPlatformServerKeys::CommonFilesVelnor);
    }
    std::u16string CommonFilesVelnorServer() const {
        return ReadText(*this, SysPlatformServerKeys::CommonFilesVelnorServer);
    }
    std::u16string CommonFilesVelnorShared() const {
        return ReadText(*this, SysPlatformServerKeys::CommonFilesVelnorShared);
    }

    void SetSocketPort(int v) { WriteNumber(*this, SysPlatformServerKeys::SocketPort, v); }
    void SetSvcConAccRemPort(int v) {
        WriteNumber(*this, SysPlatformServerKeys::SvcConAccRemPort, v);
    }
    void SetCommonFilesVelnorServer(std::u16string_view v) {
        WriteText(*this, SysPlatformServerKeys::CommonFilesVelnorServer, v);
    }
    void SetCommonFilesVelnorShared(std::u16string_view v) {
        WriteText(*this, SysPlatformServerKeys::CommonFilesVelnorShared, v);
    }
};

// The platform record of the client side, with its own line list.
class TSysPlatformClient : public TSysInfo {
public:
    explicit TSysPlatformClient(std::u16string_view SysInfoR) : TSysInfo(SysInfoR) {}

    std::u16string CommonFiles() const {
        return ReadText(*this, SysPlatformClientKeys::CommonFiles);
    }
    std::u16string CommonFilesVelnor() const {
        return ReadText(*this, SysPlatformClientKeys::CommonFilesVelnor);
    }
    std::u16string CommonFilesVelnorClient() const {
        return ReadText(*this, SysPlatformClientKeys::CommonFilesVelnorClient);
    }
    std::u16string CommonFilesVelnorShared() const {
        return ReadText(*this, SysPlatformClientKeys::CommonFilesVelnorShared);
    }

    void SetCommonFilesVelnorClient(std::u16string_view v) {
        WriteText(*this, SysPlatformClientKeys::CommonFilesVelnorClient, v);
    }
    void SetCommonFilesVelnorShared(std::u16string_view v) {
        WriteText(*this, SysPlatformClientKeys::CommonFilesVelnorShared, v);
    }
};

} // namespace typ
