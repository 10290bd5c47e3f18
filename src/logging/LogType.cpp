#include "logging/LogType.h"

#include <array>

namespace typ {
namespace {

struct TLogTypeInfo {
    int Mask;
    const char16_t* Tag;
};

constexpr std::array<TLogTypeInfo, 19> kLogTypes = {{
    {0, u"FORZADO"},   // ltForced
    {1, u"#FALLA"},    // ltError
    {1, u"#EXCEP"},    // ltFail
    {2, u"INICIO"},    // ltStart
    {2, u"SALIDA"},    // ltDown
    {4, u"T_AUDI"},    // ltAudit
    {8, u"T_MNSJ"},    // ltMsg
    {16, u"TCP/IP"},   // ltTCPIP
    {32, u"T_TECH"},   // ltTech
    {64, u"T_TIME"},   // ltTime
    {128, u"E_TERM"},  // ltTermLogIn
    {256, u"E_APLC"},  // ltAppIn
    {512, u"E_USUA"},  // ltUserLogin
    {1024, u"E_EMPR"}, // ltCoLogin
    {1024, u"S_EMPR"}, // ltCoLogOff
    {512, u"S_USUA"},  // ltUserLogOff
    {256, u"S_APLC"},  // ltAppOff
    {128, u"S_TERM"},  // ltTermLogOff
    {2048, u""},       // ltEventViewer
}};

} // namespace

int LevelMask(TLogType aLogType) {
    return aLogType < kLogTypes.size() ? kLogTypes[aLogType].Mask : 0;
}

bool IsLevelEnabled(int aLevel, TLogType aLogType) {
    const int mask = LevelMask(aLogType);
    return (aLevel & mask) == mask;
}

std::u16string LogTypeTag(TLogType aLogType) {
    return aLogType < kLogTypes.size() ? kLogTypes[aLogType].Tag : u"";
}

} // namespace typ
