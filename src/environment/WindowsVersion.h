#pragma once

#include "platform/Environment.h"

#include <optional>
#include <string>

namespace typ {

enum TWindowsVersion {
    wvUnknown,
    wvWin95,
    wvWin95OSR2,
    wvWin98,
    wvWin98SE,
    wvWinME,
    wvWinNT31,
    wvWinNT35,
    wvWinNT351,
    wvWinNT4,
    wvWin2000,
    wvWinXP,
    wvWin2003,
    wvWinVista,
    wvWinServer2008,
    wvWinSeven,
    wvWinServer2008R2,
    wvWin8,
    wvWinServer2012,
    wvWin81,
    wvWinServer2012R2,
    wvWin10,
    wvWin10Server,
};

// The version that a version record describes; wvUnknown without a record.
TWindowsVersion WindowsVersionOf(const std::optional<TOsVersionRecord>& record);
// The version of the running system.
TWindowsVersion GetWindowsVersion();
// The value's name, as written ("wvWin10").
std::u16string WindowsVersionName(TWindowsVersion version);

} // namespace typ
