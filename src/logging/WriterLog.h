#pragma once

#include "logging/LogType.h"

#include <string>
#include <utility>

namespace typ {

// A log writer: turns an entry into whatever the writer keeps.
class TWriterLog {
public:
    virtual ~TWriterLog() = default;

    // True when the entry was kept.
    virtual bool Write(TLogType aLogType, const std::u16string& aMessage) = 0;
    bool Write(const std::u16string& aMessage) { return Write(ltAudit, aMessage); }

    const std::u16string& CurrentUserName() const { return FCurrentUserName; }
    void SetCurrentUserName(std::u16string value) { FCurrentUserName = std::move(value); }

private:
    std::u16string FCurrentUserName;
};

} // namespace typ
