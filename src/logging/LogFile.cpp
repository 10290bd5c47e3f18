#include "logging/LogFile.h"

#include "environment/FilePath.h"
#include "environment/StrUtils.h"
#include "logging/ExceptionText.h"
#include "logging/KeyValueText.h"
#include "logging/LogIni.h"
#include "logging/LogKeys.h"
#include "logging/LogLine.h"

namespace typ {

TLogFile::TLogFile() : FTextWriter(std::make_unique<TTextWriter>()) {}

TLogFile::~TLogFile() = default;

bool TLogFile::Write(const std::u16string& aMessage) {
    return Write(ltAudit, aMessage);
}

bool TLogFile::Write(TLogType aLogType, const std::u16string& aMessage) {
    LoadConfiguration();
    if (!FActive || !IsLevelEnabled(FTextWriter->PropText().Level(), aLogType))
        return false;
    return FTextWriter->Write(aLogType, aMessage);
}

bool TLogFile::Write(TLogType aLogType, const std::u16string& aMessage,
                     const std::exception& aExcep) {
    return Write(aLogType, aMessage + u"(Excepción: " + ExceptionClassName(aExcep) + u" - " +
                               ExceptionMessage(aExcep) + u")");
}

bool TLogFile::WriteFmt(TLogType aLogType, const std::u16string& aMessage,
                        std::initializer_list<TFormatArg> Args) {
    std::u16string text;
    try {
        text = Format(aMessage, Args);
    } catch (const EConvertError&) {
        return false;
    }
    return Write(aLogType, text);
}

bool TLogFile::WriteForced(const std::u16string& aMessage) {
    return Write(ltForced, aMessage);
}

bool TLogFile::WriteResult(TLogType aLogType, const std::u16string& aMessage, bool aResult) {
    return Write(aLogType,
                 Format(u"%s     --> Result = %s", {aMessage, aResult ? u"True" : u"False"}));
}

bool TLogFile::WriteInOtherFile(const std::u16string& aFileName, const std::u16string& aMessage) {
    LoadConfiguration();
    TPropertyTextWriter& props = FTextWriter->PropText();
    const std::u16string savedName = props.FileName();
    const std::u16string savedPath = props.Path();
    props.SetPath(ExtractFilePath(aFileName));
    props.SetFileName(ExtractFileName(aFileName));
    const bool result = Write(aMessage);
    props.SetFileName(savedName);
    props.SetPath(savedPath);
    return result;
}

const std::u16string& TLogFile::Path() const {
    return FTextWriter->PropText().Path();
}

void TLogFile::SetPath(const std::u16string& Value) {
    if (IsBlank(Value)) {
        FTextWriter->PropText().SetPath(u"");
        return;
    }
    LoadConfiguration();
    FTextWriter->PropText().SetPath(IncludeTrailingPathDelimiter(Value));
}

const std::u16string& TLogFile::FileName() const {
    return FTextWriter->PropText().FileName();
}

void TLogFile::SetFileName(const std::u16string& Value) {
    LoadConfiguration();
    FTextWriter->PropText().SetFileName(ExtractFileName(Value));
}

const std::u16string& TLogFile::CurrentUserName() const {
    return FTextWriter->CurrentUserName();
}

void TLogFile::SetCurrentUserName(std::u16string value) {
    FTextWriter->SetCurrentUserName(std::move(value));
}

std::u16string TLogFile::GetDefaultConfiguration() const {
    return SetKeyValue(FTextWriter->PropText().GetProps(), kKeyName, u" ");
}

void TLogFile::LoadConfiguration() {
    if (!FFirstWrite)
        return;
    FFirstWrite = false;
    const std::u16string processName = ChangeFileExt(FTextWriter->PropText().FileName(), u"");
    FThreadID = NewInstanceId();
    TLogIni ini(processName, FIDProceso);
    ini.SetOnGetDefaultConfiguration([this] { return GetDefaultConfiguration(); });
    FTextWriter->PropText().SetProps(ini.ReadIni() + u"\r\n" + std::u16string(kKeyThreadID) + u"=" +
                                     FThreadID);
}

} // namespace typ
