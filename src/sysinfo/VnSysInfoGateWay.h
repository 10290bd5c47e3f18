#pragma once

#include "sysinfo/SysClient.h"
#include "sysinfo/SysInfoExecute.h"
#include "sysinfo/SysInfoLists.h"
#include "sysinfo/SysPlatform.h"
#include "sysinfo/SysServer.h"
#include "sysinfo/VnSysConstants.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace typ {

// An error the gateway raises: a record that carries "SysInfoException" (its
// value is the message) or a shared-instance call inside a COM+ host. The
// message is UTF-8.
class ESysInfoGateWay : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Which product line's installations a listing covers.
enum class TTypeSystem { tsOrvik, tsZorval, tsBoth };

// What the program calls to read and change the facts the system-information
// service keeps: the stub's texts made into records. The shared instances
// (one per kind) live until the next Get of their kind or the end of the
// process; a NewInstance record belongs to its caller. Client and server
// records are handed out in their writable form, which reads as the plain
// one, so that what a Get returns can be changed and sent back.
class TVnSysInfoGateWay {
public:
    TVnSysInfoGateWay() = delete;

    static TSysClientW& GetClient(const std::u16string& HLNumber);
    static std::unique_ptr<TSysClientW> GetClientNewInstance(const std::u16string& HLNumber);
    static TSysClients& GetClients(TTypeSystem TypeSystem);
    static std::unique_ptr<TSysClients> GetClientsNewInstance(TTypeSystem TypeSystem);
    static TSysServerW& GetServer(const std::u16string& HLNumber);
    static std::unique_ptr<TSysServerW> GetServerNewInstance(const std::u16string& HLNumber);
    static TSysServers& GetServers(TTypeSystem TypeSystem);
    static std::unique_ptr<TSysServers> GetServersNewInstance(TTypeSystem TypeSystem);

    // Sends the record's changes, then its connection settings' and its
    // export options' (fetched first when not yet fetched): three calls
    // whatever each answers; true when all three succeed. Clears the three
    // lists of changes.
    static bool SetClient(TSysClientW& aSysClient);
    // Sends the changes of the current user's settings.
    static bool SetClientCurrentUser(TSysClientW& aSysClient);
    static bool SetServer(TSysServerW& aSysServer);

    // OutPutParams receives the process's output; raises when the outcome
    // record carries an error.
    static void Execute(const std::u16string& ProcessLogicalName, const std::u16string& InputParams,
                        std::u16string& OutPutParams);

    static TSysPlatformServer& GetPlatformServer();
    static std::unique_ptr<TSysPlatformServer> GetPlatformServerNewInstance();
    static bool SetPlatformServer(TSysPlatformServer& aSysPlatformServer);
    static TSysPlatformClient& GetPlatformClient();
    static std::unique_ptr<TSysPlatformClient> GetPlatformClientNewInstance();
    static bool SetPlatformClient(TSysPlatformClient& aSysPlatformClient);

    static void InterrupServices();
    static void ReleaseServices();
    static bool ServicesInterruped();

    // The handlers set on every client and server record handed out.
    static std::u16string ClientOnDemandData(const std::u16string& HLNumber, int DataOption);
    static std::u16string ServerOnDemandData(const std::u16string& HLNumber, int DataOption);
    // 1 to 4 kept, anything else basic.
    static TClientDataOption ToClientDataOption(int DataOption);
    // 1 and 2 kept, anything else basic.
    static TServerDataOption ToServerDataOption(int DataOption);
    static TEnumTypeSystem ToEnumTypeSystem(TTypeSystem TypeSystem);

    // Raises when the running program is a COM+ host.
    static void CheckNotComPlus();
    // Whether a program's path is that of a COM+ host: its file name is
    // "dllhost.exe" in any letter case.
    static bool IsComPlusHost(std::u16string_view ProgramPath);
    // Frees every shared instance (done at process end).
    static void FreeSharedInstances();
};

} // namespace typ
