#pragma once

#include <string>

namespace typ {

// Services.Ini in the maker's folder of the common application data.
std::u16string ServicesIniPath();

// The wait in milliseconds after finding the service stopped: "ReattemptsSleep"
// seconds of section "SysInfoService", 2 seconds when the file is absent or
// cannot be read. A missing or unreadable value is written back as 2 (when
// the file can be written) and taken as 2.
int ReadReattemptsSleep();

} // namespace typ
