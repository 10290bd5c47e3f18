#include "sysinfo/VnSysInfoGateWay.h"

#include "charconv/UnicodeBytes.h"
#include "environment/FilePath.h"
#include "environment/StrUtils.h"
#include "logging/ManagedLogFile.h"
#include "platform/Environment.h"
#include "sysinfo/VnSysInfoStub.h"

namespace typ {
namespace {

const std::u16string kComPlusError =
    u"No deber\u00eda utilizar \u00e9ste m\u00e9todo dentro de un componente COM+, cree una "
    u"nueva instancia usando SysClientNewInstance, SysServerNewInstance, "
    u"SysClientsNewInstance, SysServersNewInstance.";

// The instances the gateway keeps, one of each kind, freed at process end.
struct TSharedInstances {
    std::unique_ptr<TSysClientW> Client;
    std::unique_ptr<TSysClients> Clients;
    std::unique_ptr<TSysServerW> Server;
    std::unique_ptr<TSysServers> Servers;
    std::unique_ptr<TSysPlatformServer> PlatformServer;
    std::unique_ptr<TSysPlatformClient> PlatformClient;
};

TSharedInstances& Shared() {
    static TSharedInstances instances;
    return instances;
}

[[noreturn]] void Raise(const std::u16string& message) {
    throw ESysInfoGateWay(EncodeUtf8(message));
}

template <typename TRecord> void RaiseOnException(const TRecord& record) {
    if (record.HasException())
        Raise(record.ExceptionText());
}

template <typename TList> void RaiseOnListException(const TList& list) {
    if (list.ThereIsException())
        Raise(list.ExceptionText());
}

// The audit entry must not keep the calls from being made: a log that cannot
// be written loses the line.
void Audit(const std::u16string& operation) {
    try {
        TManagedLogFile::Write(ltAudit, u"TVnSysInfoGateWay." + operation + u" Invocador" +
                                            ExtractFileName(Environment().ProgramPath()));
    } catch (const std::exception&) {
        return;
    }
}

// Replaces the shared instance by the new one and returns it.
template <typename T> T& Keep(std::unique_ptr<T>& slot, std::unique_ptr<T> fresh) {
    slot = std::move(fresh);
    return *slot;
}

std::unique_ptr<TSysClientW> NewClient(const std::u16string& HLNumber) {
    return std::make_unique<TSysClientW>(
        TVnSysInfoStub::GetClient(HLNumber, TClientDataOption::cdoBasic), 0);
}

std::unique_ptr<TSysServerW> NewServer(const std::u16string& HLNumber) {
    return std::make_unique<TSysServerW>(
        TVnSysInfoStub::GetServer(HLNumber, TServerDataOption::sdoBasic), 0);
}

} // namespace

bool TVnSysInfoGateWay::IsComPlusHost(std::u16string_view ProgramPath) {
    return LowerCase(ExtractFileName(ProgramPath)) == u"dllhost.exe";
}

void TVnSysInfoGateWay::CheckNotComPlus() {
    if (IsComPlusHost(Environment().ProgramPath()))
        Raise(kComPlusError);
}

TClientDataOption TVnSysInfoGateWay::ToClientDataOption(int DataOption) {
    return DataOption >= 1 && DataOption <= 4 ? static_cast<TClientDataOption>(DataOption)
                                              : TClientDataOption::cdoBasic;
}

TServerDataOption TVnSysInfoGateWay::ToServerDataOption(int DataOption) {
    return DataOption == 1 || DataOption == 2 ? static_cast<TServerDataOption>(DataOption)
                                              : TServerDataOption::sdoBasic;
}

TEnumTypeSystem TVnSysInfoGateWay::ToEnumTypeSystem(TTypeSystem TypeSystem) {
    switch (static_cast<int>(TypeSystem)) {
    case 0:
        return TEnumTypeSystem::etsOrvik;
    case 1:
        return TEnumTypeSystem::etsZorval;
    default:
        return TEnumTypeSystem::etsBoth;
    }
}

std::u16string TVnSysInfoGateWay::ClientOnDemandData(const std::u16string& HLNumber,
                                                     int DataOption) {
    return TVnSysInfoStub::GetClient(HLNumber, ToClientDataOption(DataOption));
}

std::u16string TVnSysInfoGateWay::ServerOnDemandData(const std::u16string& HLNumber,
                                                     int DataOption) {
    return TVnSysInfoStub::GetServer(HLNumber, ToServerDataOption(DataOption));
}

TSysClientW& TVnSysInfoGateWay::GetClient(const std::u16string& HLNumber) {
    CheckNotComPlus();
    const std::u16string text = TVnSysInfoStub::GetClient(HLNumber, TClientDataOption::cdoBasic);
    Shared().Client.reset();
    TSysClientW& client = Keep(Shared().Client, std::make_unique<TSysClientW>(text, 0));
    RaiseOnException(client);
    client.SetOnDemandData(ClientOnDemandData);
    return client;
}

std::unique_ptr<TSysClientW>
TVnSysInfoGateWay::GetClientNewInstance(const std::u16string& HLNumber) {
    std::unique_ptr<TSysClientW> client = NewClient(HLNumber);
    RaiseOnException(*client);
    client->SetOnDemandData(ClientOnDemandData);
    return client;
}

TSysServerW& TVnSysInfoGateWay::GetServer(const std::u16string& HLNumber) {
    CheckNotComPlus();
    const std::u16string text = TVnSysInfoStub::GetServer(HLNumber, TServerDataOption::sdoBasic);
    Shared().Server.reset();
    TSysServerW& server = Keep(Shared().Server, std::make_unique<TSysServerW>(text, 0));
    RaiseOnException(server);
    server.SetOnDemandData(ServerOnDemandData);
    return server;
}

std::unique_ptr<TSysServerW>
TVnSysInfoGateWay::GetServerNewInstance(const std::u16string& HLNumber) {
    std::unique_ptr<TSysServerW> server = NewServer(HLNumber);
    RaiseOnException(*server);
    server->SetOnDemandData(ServerOnDemandData);
    return server;
}

TSysClients& TVnSysInfoGateWay::GetClients(TTypeSystem TypeSystem) {
    CheckNotComPlus();
    const std::u16string text = TVnSysInfoStub::GetClients(ToEnumTypeSystem(TypeSystem));
    Shared().Clients.reset();
    TSysClients& clients = Keep(Shared().Clients, std::make_unique<TSysClients>(text));
    RaiseOnListException(clients);
    return clients;
}

std::unique_ptr<TSysClients> TVnSysInfoGateWay::GetClientsNewInstance(TTypeSystem TypeSystem) {
    auto clients =
        std::make_unique<TSysClients>(TVnSysInfoStub::GetClients(ToEnumTypeSystem(TypeSystem)));
    RaiseOnListException(*clients);
    return clients;
}

TSysServers& TVnSysInfoGateWay::GetServers(TTypeSystem TypeSystem) {
    CheckNotComPlus();
    const std::u16string text = TVnSysInfoStub::GetServers(ToEnumTypeSystem(TypeSystem));
    Shared().Servers.reset();
    TSysServers& servers = Keep(Shared().Servers, std::make_unique<TSysServers>(text));
    RaiseOnListException(servers);
    return servers;
}

std::unique_ptr<TSysServers> TVnSysInfoGateWay::GetServersNewInstance(TTypeSystem TypeSystem) {
    auto servers =
        std::make_unique<TSysServers>(TVnSysInfoStub::GetServers(ToEnumTypeSystem(TypeSystem)));
    RaiseOnListException(*servers);
    return servers;
}

bool TVnSysInfoGateWay::SetClient(TSysClientW& aSysClient) {
    Audit(u"SetClient");
    const std::u16string number = aSysClient.HLNumber();
    const bool r1 = TVnSysInfoStub::SetClient(number, aSysClient.ModifiedValues());
    TConnectionInfo& connection = aSysClient.ConnectionInfo();
    const bool r2 = TVnSysInfoStub::SetClient(number, connection.ModifiedValues());
    TSysExpOptions& options = aSysClient.SysExpOptions();
    const bool r3 = TVnSysInfoStub::SetClient(number, options.ModifiedValues());
    aSysClient.ClearModifiedValues();
    connection.ClearModifiedValues();
    options.ClearModifiedValues();
    return r1 && r2 && r3;
}

bool TVnSysInfoGateWay::SetClientCurrentUser(TSysClientW& aSysClient) {
    Audit(u"SetClientCurrentUser");
    TCUConfig& config = aSysClient.CUConfig();
    const bool result =
        TVnSysInfoStub::SetClientCurrentUser(aSysClient.HLNumber(), config.ModifiedValues());
    config.ClearModifiedValues();
    return result;
}

bool TVnSysInfoGateWay::SetServer(TSysServerW& aSysServer) {
    const bool result =
        TVnSysInfoStub::SetServer(aSysServer.ReadString(u"HlNumber"), aSysServer.ModifiedValues());
    aSysServer.ClearModifiedValues();
    return result;
}

void TVnSysInfoGateWay::Execute(const std::u16string& ProcessLogicalName,
                                const std::u16string& InputParams, std::u16string& OutPutParams) {
    OutPutParams.clear();
    const TSysInfoExecute outcome(
        TVnSysInfoStub::Execute(ProcessLogicalName, InputParams, OutPutParams));
    RaiseOnException(outcome);
}

TSysPlatformServer& TVnSysInfoGateWay::GetPlatformServer() {
    CheckNotComPlus();
    const std::u16string text = TVnSysInfoStub::GetPlatformServer();
    Shared().PlatformServer.reset();
    TSysPlatformServer& record =
        Keep(Shared().PlatformServer, std::make_unique<TSysPlatformServer>(text));
    RaiseOnException(record);
    return record;
}

std::unique_ptr<TSysPlatformServer> TVnSysInfoGateWay::GetPlatformServerNewInstance() {
    auto record = std::make_unique<TSysPlatformServer>(TVnSysInfoStub::GetPlatformServer());
    RaiseOnException(*record);
    return record;
}

bool TVnSysInfoGateWay::SetPlatformServer(TSysPlatformServer& aSysPlatformServer) {
    const bool result = TVnSysInfoStub::SetPlatformServer(aSysPlatformServer.ModifiedValues());
    aSysPlatformServer.ClearModifiedValues();
    return result;
}

TSysPlatformClient& TVnSysInfoGateWay::GetPlatformClient() {
    CheckNotComPlus();
    const std::u16string text = TVnSysInfoStub::GetPlatformClient();
    Shared().PlatformClient.reset();
    TSysPlatformClient& record =
        Keep(Shared().PlatformClient, std::make_unique<TSysPlatformClient>(text));
    RaiseOnException(record);
    return record;
}

std::unique_ptr<TSysPlatformClient> TVnSysInfoGateWay::GetPlatformClientNewInstance() {
    auto record = std::make_unique<TSysPlatformClient>(TVnSysInfoStub::GetPlatformClient());
    RaiseOnException(*record);
    return record;
}

bool TVnSysInfoGateWay::SetPlatformClient(TSysPlatformClient& aSysPlatformClient) {
    const bool result = TVnSysInfoStub::SetPlatformClient(aSysPlatformClient.ModifiedValues());
    aSysPlatformClient.ClearModifiedValues();
    return result;
}

void TVnSysInfoGateWay::InterrupServices() {
    TVnSysInfoStub::InterruptServices();
}

void TVnSysInfoGateWay::ReleaseServices() {
    TVnSysInfoStub::ReleaseServices();
}

bool TVnSysInfoGateWay::ServicesInterruped() {
    return TVnSysInfoStub::ServicesInterruped();
}

void TVnSysInfoGateWay::FreeSharedInstances() {
    Shared() = TSharedInstances();
}

} // namespace typ
