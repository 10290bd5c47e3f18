#include "environment/WindowsVersion.h"

#include "environment/StrUtils.h"

namespace typ {
namespace {

constexpr std::uint32_t kPlatform9x = 1;
constexpr std::uint32_t kPlatformNT = 2;
constexpr std::uint8_t kWorkstation = 1;
constexpr std::uint8_t kServer = 3;

constexpr const char16_t* kNames[] = {
    u"wvUnknown",         u"wvWin95",    u"wvWin95OSR2",     u"wvWin98",
    u"wvWin98SE",         u"wvWinME",    u"wvWinNT31",       u"wvWinNT35",
    u"wvWinNT351",        u"wvWinNT4",   u"wvWin2000",       u"wvWinXP",
    u"wvWin2003",         u"wvWinVista", u"wvWinServer2008", u"wvWinSeven",
    u"wvWinServer2008R2", u"wvWin8",     u"wvWinServer2012", u"wvWin81",
    u"wvWinServer2012R2", u"wvWin10",    u"wvWin10Server",
};

TWindowsVersion Version9x(const TOsVersionRecord& record) {
    const std::u16string servicePack = Trim(record.ServicePack);
    if (record.Minor < 10)
        return servicePack == u"B" ? wvWin95OSR2 : wvWin95;
    if (record.Minor < 90)
        return servicePack == u"A" ? wvWin98SE : wvWin98;
    return record.Minor == 90 ? wvWinME : wvUnknown;
}

// NT 6.0 to 6.3: workstation and server editions have their own names.
TWindowsVersion VersionNT6(const TOsVersionRecord& record) {
    constexpr TWindowsVersion kWorkstations[] = {wvWinVista, wvWinSeven, wvWin8, wvWin81};
    constexpr TWindowsVersion kServers[] = {wvWinServer2008, wvWinServer2008R2, wvWinServer2012,
                                            wvWinServer2012R2};
    if (record.Minor > 3)
        return wvUnknown;
    if (record.ProductType == kWorkstation)
        return kWorkstations[record.Minor];
    return record.ProductType == kServer ? kServers[record.Minor] : wvUnknown;
}

TWindowsVersion VersionNT(const TOsVersionRecord& record) {
    switch (record.Major) {
    case 3:
        return record.Minor == 1    ? wvWinNT31
               : record.Minor == 5  ? wvWinNT35
               : record.Minor == 51 ? wvWinNT351
                                    : wvUnknown;
    case 4:
        return wvWinNT4;
    case 5:
        return record.Minor == 0   ? wvWin2000
               : record.Minor == 1 ? wvWinXP
               : record.Minor == 2 ? wvWin2003
                                   : wvUnknown;
    case 6:
        return VersionNT6(record);
    case 10:
        return record.ProductType == kWorkstation ? wvWin10 : wvWin10Server;
    default:
        return wvUnknown;
    }
}

} // namespace

TWindowsVersion WindowsVersionOf(const std::optional<TOsVersionRecord>& record) {
    if (!record)
        return wvUnknown;
    if (record->PlatformId == kPlatform9x)
        return Version9x(*record);
    return record->PlatformId == kPlatformNT ? VersionNT(*record) : wvUnknown;
}

TWindowsVersion GetWindowsVersion() {
    return WindowsVersionOf(Environment().OsVersion());
}

std::u16string WindowsVersionName(TWindowsVersion version) {
    return kNames[version];
}

} // namespace typ
