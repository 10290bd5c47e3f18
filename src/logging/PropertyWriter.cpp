#include "logging/PropertyWriter.h"

#include "environment/FilePath.h"
#include "environment/StrUtils.h"
#include "environment/VnPaths.h"
#include "logging/KeyValueText.h"
#include "logging/LogKeys.h"
#include "platform/Environment.h"

namespace typ {
namespace {

std::u16string BooleanText(bool value) {
    return value ? u"-1" : u"0";
}

// A key=value line ended by CR LF; nothing for an empty value.
std::u16string PropLine(std::u16string_view key, const std::u16string& value) {
    return value.empty() ? std::u16string() : std::u16string(key) + u"=" + value + u"\r\n";
}

} // namespace

std::u16string TPropertyWriter::GetProps() const {
    return PropLine(kKeyLevel, IntToStr(FLevel)) +
           PropLine(kKeyShowUser, BooleanText(FOSCurrentUser));
}

void TPropertyWriter::SetProps(const std::u16string& aValue) {
    FLevel = ParseInteger(KeyValue(aValue, kKeyLevel), 7);
    FOSCurrentUser = ParseBoolean(KeyValue(aValue, kKeyShowUser), false);
    FThreadID = KeyValue(aValue, kKeyThreadID);
}

TPropertyTextWriter::TPropertyTextWriter() {
    SetPath(u"");
    SetFileName(u"");
}

std::u16string TPropertyTextWriter::DefaultPath() {
    return TVnPaths::ApplicationData_Velnor(u"Logs");
}

std::u16string TPropertyTextWriter::DefaultFileName() {
    return ChangeFileExt(ExtractFileName(Environment().ProgramPath()), u".log");
}

void TPropertyTextWriter::SetPath(const std::u16string& value) {
    FPath = IsBlank(value) ? DefaultPath() : value;
}

void TPropertyTextWriter::SetFileName(const std::u16string& value) {
    FFileName = IsBlank(value) ? DefaultFileName() : value;
}

std::u16string TPropertyTextWriter::GetProps() const {
    return TPropertyWriter::GetProps() + PropLine(kKeyMaxSize, IntToStr(FMaxSize)) +
           PropLine(kKeyHistory, BooleanText(FSaveHistory)) + PropLine(kKeyFolder, FPath) +
           PropLine(kKeyName, FFileName) + PropLine(kKeyIndent, u"\"" + FTabs + u"\"");
}

void TPropertyTextWriter::SetProps(const std::u16string& aValue) {
    FMaxSize = ParseInteger(KeyValue(aValue, kKeyMaxSize), 1024);
    FSaveHistory = ParseBoolean(KeyValue(aValue, kKeyHistory), false);
    const std::u16string folder = KeyValue(aValue, kKeyFolder);
    if (!folder.empty())
        SetPath(IncludeTrailingPathDelimiter(folder));
    const std::u16string name = KeyValue(aValue, kKeyName);
    if (!name.empty())
        SetFileName(name);
    FTabs = RemoveChar(KeyValue(aValue, kKeyIndent), u'"');
    TPropertyWriter::SetProps(aValue);
}

} // namespace typ
