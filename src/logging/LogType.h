#pragma once

#include <cstdint>
#include <string>

namespace typ {

// The log entry types. The ordinals are fixed: other programs of the maker
// pass them, and the types that close a scope run backwards from 13.
enum TLogType : std::uint8_t {
    ltForced,
    ltError,
    ltFail,
    ltStart,
    ltDown,
    ltAudit,
    ltMsg,
    ltTCPIP,
    ltTech,
    ltTime,
    ltTermLogIn,
    ltAppIn,
    ltUserLogin,
    ltCoLogin,
    ltCoLogOff,
    ltUserLogOff,
    ltAppOff,
    ltTermLogOff,
    ltEventViewer,
};

// The level bit of a type (0 for ltForced and for any value outside the enumeration).
int LevelMask(TLogType aLogType);
// An entry is written when the level holds every bit of its type, so ltForced always is.
bool IsLevelEnabled(int aLevel, TLogType aLogType);
// The tag a line of the type carries.
std::u16string LogTypeTag(TLogType aLogType);

} // namespace typ
