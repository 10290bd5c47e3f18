#include "logging/ManagedLogFile.h"

#include "environment/StrUtils.h"
#include "logging/KeyValueText.h"
#include "logging/LogIni.h"
#include "logging/LogLine.h"

namespace typ {
namespace {

// Per thread, empty when a thread starts; freed (emptied) when it ends, the
// shutting-down thread's included.
thread_local std::u16string t_threadData;

std::u16string Stored(std::u16string_view name) {
    return KeyValue(t_threadData, name);
}

void Store(std::u16string_view name, std::u16string_view value) {
    t_threadData = SetKeyValue(t_threadData, name, value);
}

} // namespace

void TManagedLogFile::EnsureThreadConfigured() {
    if (Stored(u"Initialized") == u"S")
        return;
    const TLogFile defaults;
    TLogIni ini(Stored(u"FileName"), Stored(u"IDProceso"));
    ini.SetOnGetDefaultConfiguration([&defaults] { return defaults.GetDefaultConfiguration(); });
    const std::u16string configuration = ini.ReadIni();
    Store(u"TextWriter", ReplaceAll(configuration, u"\r\n", u";"));
    Store(u"ThreadID", NewInstanceId());
    Store(u"Initialized", u"S");
}

std::unique_ptr<TParametrizedLogFile> TManagedLogFile::CreateFromThreadData() {
    EnsureThreadConfigured();
    RParamLogFile param;
    param.Path = Stored(u"Path");
    param.FileName = Stored(u"FileName");
    param.IDProceso = Stored(u"IDProceso");
    param.CurrentUserName = Stored(u"CurrentUserName");
    param.TextWriter = ReplaceAll(Stored(u"TextWriter"), u";", u"\r\n");
    param.ThreadID = Stored(u"ThreadID");
    param.Inicializado = true;
    return std::make_unique<TParametrizedLogFile>(std::move(param));
}

bool TManagedLogFile::Write(const std::u16string& aMessage) {
    return Write(ltAudit, aMessage);
}

bool TManagedLogFile::Write(TLogType aLogType, const std::u16string& aMessage) {
    return CreateFromThreadData()->Write(aLogType, aMessage);
}

bool TManagedLogFile::Write(TLogType aLogType, const std::u16string& aMessage,
                            const std::exception& aExcep) {
    return CreateFromThreadData()->Write(aLogType, aMessage, aExcep);
}

bool TManagedLogFile::WriteForced(const std::u16string& aMessage) {
    return CreateFromThreadData()->WriteForced(aMessage);
}

bool TManagedLogFile::WriteResult(TLogType aLogType, const std::u16string& aMessage, bool aResult) {
    return CreateFromThreadData()->WriteResult(aLogType, aMessage, aResult);
}

bool TManagedLogFile::WriteInOtherFile(const std::u16string& aFileName,
                                       const std::u16string& aMessage) {
    return CreateFromThreadData()->WriteInOtherFile(aFileName, aMessage);
}

void TManagedLogFile::ClearThreadData() {
    t_threadData.clear();
}

std::u16string TManagedLogFile::ThreadData() {
    return t_threadData;
}

} // namespace typ
