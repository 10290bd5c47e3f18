#pragma once

#include "environment/Format.h"
#include "logging/LogType.h"
#include "logging/TextWriter.h"

#include <exception>
#include <initializer_list>
#include <memory>
#include <string>

namespace typ {

// The log object the rest of the system writes through: filters entries by
// level and reads Log.Ini once, before its first write (or before a caller
// sets its folder or name, so that the caller's value wins). Every write
// returns whether the line was appended and never raises for a failed write;
// an error loading an existing Log.Ini reaches the caller of that first write.
// One object belongs to one thread at a time.
class TLogFile {
public:
    TLogFile();
    virtual ~TLogFile();
    TLogFile(const TLogFile&) = delete;
    TLogFile& operator=(const TLogFile&) = delete;

    bool Write(const std::u16string& aMessage);
    bool Write(TLogType aLogType, const std::u16string& aMessage);
    // The message followed by "(Excepción: <class> - <message>)".
    bool Write(TLogType aLogType, const std::u16string& aMessage, const std::exception& aExcep);
    // The message formatted with the arguments (see Format); false when they do not fit.
    bool WriteFmt(TLogType aLogType, const std::u16string& aMessage,
                  std::initializer_list<TFormatArg> Args);
    // Written whatever the level.
    bool WriteForced(const std::u16string& aMessage);
    // "<message>     --> Result = True" (or False).
    bool WriteResult(TLogType aLogType, const std::u16string& aMessage, bool aResult);
    // One ltAudit entry in another file (a blank folder or name part gives the
    // default one); the usual file is used again afterwards.
    bool WriteInOtherFile(const std::u16string& aFileName, const std::u16string& aMessage);

    const std::u16string& Path() const;
    // Not blank: loads the configuration first, then sets the folder (with a
    // trailing delimiter). Blank: the default folder, configuration untouched.
    void SetPath(const std::u16string& Value);
    const std::u16string& FileName() const;
    // Loads the configuration first, then sets the name part of Value (blank:
    // the default name).
    void SetFileName(const std::u16string& Value);
    const std::u16string& IDProceso() const { return FIDProceso; }
    void SetIDProceso(std::u16string value) { FIDProceso = std::move(value); }
    const std::u16string& CurrentUserName() const;
    void SetCurrentUserName(std::u16string value);

    // The default [GLOBAL] keys: the writer's properties, with a blank name.
    std::u16string GetDefaultConfiguration() const;

protected:
    void LoadConfiguration();

    bool FActive = true;
    std::u16string FIDProceso;
    bool FFirstWrite = true;
    std::u16string FThreadID;
    std::unique_ptr<TTextWriter> FTextWriter;
};

} // namespace typ
