#include "sysinfo/SysInfoLists.h"

#include "environment/StrUtils.h"
#include "sysinfo/SysInfoLines.h"

namespace typ {

TSysInfoList::TSysInfoList(std::u16string_view text)
    : FLines(SplitLines(text)),
      FThereIsException(text.find(u"SysInfoException") != std::u16string_view::npos) {}

std::u16string TSysInfoList::ExceptionText() const {
    TSysInfoLines lines;
    for (const std::u16string& line : FLines)
        lines.Add(line);
    return lines.Value(u"SysInfoException");
}

} // namespace typ
