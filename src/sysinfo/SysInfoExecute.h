#pragma once

#include "sysinfo/SysInfo.h"

namespace typ {

// The outcome record of a process the service ran.
class TSysInfoExecute : public TSysInfo {
public:
    explicit TSysInfoExecute(std::u16string_view SysInfoR) : TSysInfo(SysInfoR) {}

    std::u16string ProcessLogicalName() const { return GetRawValue(u"ProcessLogicalName"); }
    std::u16string InputParam() const { return GetRawValue(u"InputParams"); }
    std::u16string OutputParam() const { return GetRawValue(u"OutPutParams"); }
    std::u16string Result() const { return GetRawValue(u"Result"); }
};

} // namespace typ
