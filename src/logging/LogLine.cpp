#include "logging/LogLine.h"

#include "environment/Format.h"
#include "environment/StrUtils.h"

namespace typ {

std::u16string LogTimeStamp(const TDateTime& time) {
    return Format(
        u"%.4d/%.2d/%.2d %.2d:%.2d:%.2d:%.3d",
        {time.Year, time.Month, time.Day, time.Hour, time.Minute, time.Second, time.Millisecond});
}

std::u16string HistoryTimeStamp(const TDateTime& time) {
    return Format(u"%.4d%.2d%.2d%.2d%.2d%.2d%.3d", {time.Year, time.Month, time.Day, time.Hour,
                                                    time.Minute, time.Second, time.Millisecond});
}

std::u16string NewInstanceId() {
    const TDateTime now = Clock().Now();
    const long long millisecondOfDay =
        ((now.Hour * 60LL + now.Minute) * 60 + now.Second) * 1000 + now.Millisecond;
    return IntToStr(millisecondOfDay * 1000000 / 86400000);
}

} // namespace typ
