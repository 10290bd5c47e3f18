#pragma once

#include "logging/LogType.h"
#include "logging/ParametrizedLogFile.h"

#include <exception>
#include <memory>
#include <string>

namespace typ {

// The class-level log entry points that any code calls from any thread. Each
// thread reads Log.Ini once (only its [GLOBAL] section) and keeps the result
// in its own store; each call builds a short-lived log object from it. Every
// write returns whether the line was appended; an error reading an existing
// Log.Ini reaches the caller and leaves the thread unconfigured.
class TManagedLogFile {
public:
    TManagedLogFile() = delete;

    static bool Write(const std::u16string& aMessage);
    static bool Write(TLogType aLogType, const std::u16string& aMessage);
    static bool Write(TLogType aLogType, const std::u16string& aMessage,
                      const std::exception& aExcep);
    static bool WriteForced(const std::u16string& aMessage);
    static bool WriteResult(TLogType aLogType, const std::u16string& aMessage, bool aResult);
    static bool WriteInOtherFile(const std::u16string& aFileName, const std::u16string& aMessage);
    // Empties the calling thread's store: its next call reads Log.Ini again
    // and takes a new instance identifier.
    static void ClearThreadData();

    // The calling thread's store: name=value lines (Initialized, TextWriter
    // with ";" for its line breaks, ThreadID).
    static std::u16string ThreadData();

private:
    static void EnsureThreadConfigured();
    static std::unique_ptr<TParametrizedLogFile> CreateFromThreadData();
};

} // namespace typ
