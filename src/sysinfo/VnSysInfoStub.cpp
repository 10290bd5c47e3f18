#include "sysinfo/VnSysInfoStub.h"

#include "charconv/UnicodeBytes.h"
#include "environment/StrUtils.h"
#include "environment/VnWinUser.h"
#include "sysinfo/SvcSysAdminProxy.h"
#include "sysinfo/SvrSysInfoProxy.h"
#include "sysinfo/SysInfoCache.h"
#include "sysinfo/SysInfoChannelFactory.h"
#include "sysinfo/SysInfoServiceCheck.h"

#include <exception>

namespace typ {
namespace {

constexpr std::u16string_view kExceptionKey = u"SysInfoException=";
// The message of an error that carries none of its own.
constexpr std::u16string_view kUnknownError = u"Error desconocido";
const std::u16string kPlatformServer = u"Server";
const std::u16string kPlatformClient = u"Client";

TSysInfoCache& ClientCache() {
    static TSysInfoCache cache;
    return cache;
}

TSysInfoCache& PlatformCache() {
    static TSysInfoCache cache;
    return cache;
}

std::int32_t Ordinal(auto value) {
    return static_cast<std::int32_t>(value);
}

// Runs the call on a proxy of the interface over a new message object and
// channel, which are freed after it (the proxy first) however it ends.
template <typename TCoClass, typename F> auto WithProxy(F&& call) {
    const TSysInfoConnection connection = TVnSysInfoStub::OpenChannel();
    const auto proxy = TCoClass::Create(*connection.Message, *connection.Channel);
    return call(*proxy);
}

template <typename F> std::u16string ServerText(F&& call) {
    try {
        return WithProxy<CoSvr_SysInfo>(call);
    } catch (const std::exception& error) {
        return TVnSysInfoStub::ExceptionResult(DecodeUtf8(error.what()));
    } catch (...) {
        return TVnSysInfoStub::ExceptionResult(std::u16string(kUnknownError));
    }
}

template <typename TCoClass, typename F> bool YesNo(F&& call) {
    try {
        return WithProxy<TCoClass>(call);
    } catch (...) {
        return false;
    }
}

template <typename F> void AdminSilently(F&& call) {
    try {
        WithProxy<CoSvc_SysAdmin>(call);
    } catch (...) {
        // The caller gets nothing back either way.
    }
}

std::u16string CachedPlatformRecord(const std::u16string& key,
                                    std::u16string (ISvr_SysInfo::*method)()) {
    std::u16string record = PlatformCache().Lookup(key);
    if (record.empty()) {
        record = ServerText([method](ISvr_SysInfo& proxy) { return (proxy.*method)(); });
        PlatformCache().Store(key, record);
    }
    return record;
}

bool SetPlatformRecord(const std::u16string& key, const std::u16string& SysInfo,
                       bool (ISvr_SysInfo::*method)(const std::u16string&)) {
    const bool done = YesNo<CoSvr_SysInfo>(
        [&SysInfo, method](ISvr_SysInfo& proxy) { return (proxy.*method)(SysInfo); });
    if (done)
        PlatformCache().Delete(key);
    return done;
}

} // namespace

std::u16string TVnSysInfoStub::GetClient(const std::u16string& HLNumber,
                                         TClientDataOption DataOption) {
    const bool basic = DataOption == TClientDataOption::cdoBasic;
    if (basic) {
        std::u16string cached = ClientCache().Lookup(HLNumber);
        if (!cached.empty())
            return cached;
    }
    std::u16string record = ServerText([&](ISvr_SysInfo& proxy) {
        return proxy.GetClient(HLNumber, TVnWinUser::CurrentUserName_Short(), Ordinal(DataOption));
    });
    if (basic)
        ClientCache().Store(HLNumber, record);
    return record;
}

std::u16string TVnSysInfoStub::GetServer(const std::u16string& HLNumber,
                                         TServerDataOption DataOption) {
    return ServerText(
        [&](ISvr_SysInfo& proxy) { return proxy.GetServer(HLNumber, Ordinal(DataOption)); });
}

std::u16string TVnSysInfoStub::GetClients(TEnumTypeSystem TypeSystem) {
    return ServerText([&](ISvr_SysInfo& proxy) { return proxy.GetClients(Ordinal(TypeSystem)); });
}

std::u16string TVnSysInfoStub::GetServers(TEnumTypeSystem TypeSystem) {
    return ServerText([&](ISvr_SysInfo& proxy) { return proxy.GetServers(Ordinal(TypeSystem)); });
}

bool TVnSysInfoStub::SetClient(const std::u16string& HLNumber, const std::u16string& SysInfo) {
    const bool done = YesNo<CoSvr_SysInfo>([&](ISvr_SysInfo& proxy) {
        return proxy.SetClient(HLNumber, TVnWinUser::CurrentUserName_Short(), SysInfo);
    });
    if (done)
        ClientCache().Delete(HLNumber);
    return done;
}

bool TVnSysInfoStub::SetClientCurrentUser(const std::u16string& HLNumber,
                                          const std::u16string& SysInfo) {
    return YesNo<CoSvr_SysInfo>([&](ISvr_SysInfo& proxy) {
        return proxy.SetClientCurrentUser(HLNumber, TVnWinUser::CurrentUserName_Short(), SysInfo);
    });
}

bool TVnSysInfoStub::SetServer(const std::u16string& HLNumber, const std::u16string& SysInfo) {
    return YesNo<CoSvr_SysInfo>([&](ISvr_SysInfo& proxy) {
        return proxy.SetServer(HLNumber, TVnWinUser::CurrentUserName_Short(), SysInfo);
    });
}

std::u16string TVnSysInfoStub::Execute(const std::u16string& ProcessLogicalName,
                                       const std::u16string& InputParams,
                                       std::u16string& OutPutParams) {
    OutPutParams.clear();
    return ServerText([&](ISvr_SysInfo& proxy) {
        std::u16string output;
        std::u16string result = proxy.Execute(ProcessLogicalName, InputParams, output);
        OutPutParams = std::move(output);
        return result;
    });
}

std::u16string TVnSysInfoStub::GetPlatformServer() {
    return CachedPlatformRecord(kPlatformServer, &ISvr_SysInfo::GetPlatformServer);
}

bool TVnSysInfoStub::SetPlatformServer(const std::u16string& SysInfo) {
    return SetPlatformRecord(kPlatformServer, SysInfo, &ISvr_SysInfo::SetPlatformServer);
}

std::u16string TVnSysInfoStub::GetPlatformClient() {
    return CachedPlatformRecord(kPlatformClient, &ISvr_SysInfo::GetPlatformClient);
}

bool TVnSysInfoStub::SetPlatformClient(const std::u16string& SysInfo) {
    return SetPlatformRecord(kPlatformClient, SysInfo, &ISvr_SysInfo::SetPlatformClient);
}

void TVnSysInfoStub::InterruptServices() {
    AdminSilently([](ISvc_SysAdmin& proxy) { proxy.InterruptServices(); });
}

void TVnSysInfoStub::ReleaseServices() {
    AdminSilently([](ISvc_SysAdmin& proxy) { proxy.ReleaseServices(); });
}

bool TVnSysInfoStub::ServicesInterruped() {
    return YesNo<CoSvc_SysAdmin>([](ISvc_SysAdmin& proxy) { return proxy.ServicesInterrupted(); });
}

TSysInfoConnection TVnSysInfoStub::OpenChannel() {
    TSysInfoConnection connection{std::make_unique<TBinaryMessage>(), NewSysInfoChannel()};
    CheckSysInfoService();
    return connection;
}

std::u16string TVnSysInfoStub::ExceptionResult(const std::u16string& Message) {
    return std::u16string(kExceptionKey) + ReplaceAll(Message, u"\r\n", u"");
}

void TVnSysInfoStub::ClearCaches() {
    ClientCache().Clear();
    PlatformCache().Clear();
}

} // namespace typ
