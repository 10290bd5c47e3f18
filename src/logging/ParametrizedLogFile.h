#pragma once

#include "logging/LogFile.h"

#include <string>

namespace typ {

// What a log object is built from instead of Log.Ini.
struct RParamLogFile {
    std::u16string Path;
    std::u16string FileName;
    std::u16string IDProceso;
    std::u16string CurrentUserName;
    // The configuration: key=value lines as Log.Ini gives them.
    std::u16string TextWriter;
    std::u16string ThreadID;
    bool Inicializado = false;
};

// A log object configured from a parameter record; it never reads Log.Ini.
// The configuration text comes after the record's folder and name, so a
// folder or name in it replaces the record's.
class TParametrizedLogFile : public TLogFile {
public:
    explicit TParametrizedLogFile(RParamLogFile aParam);
};

} // namespace typ
