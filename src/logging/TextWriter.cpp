#include "logging/TextWriter.h"

#include "environment/FilePath.h"
#include "environment/Format.h"
#include "environment/StrUtils.h"
#include "environment/VersionInfo.h"
#include "environment/WindowsVersion.h"
#include "logging/KeyValueText.h"
#include "logging/LogKeys.h"
#include "logging/LogLine.h"
#include "logging/TextEncoding.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"

#include <functional>

namespace typ {
namespace {

constexpr int kAttempts = 4;
constexpr int kRetryDelayMs = 100;
const std::u16string kSeparator = u" | ";

std::u16string HeaderField(std::u16string_view name, const std::u16string& value) {
    return Format(u"%-15s %s", {name, value});
}

// The bytes whole or not at all: a write cut short is cut off again, so the
// next attempt leaves no fragment of the line before the whole one.
bool AppendWhole(TExclusiveFile& file, std::string_view bytes) {
    const auto end = file.Size();
    if (!end)
        return false;
    if (file.Append(bytes))
        return true;
    file.Truncate(*end);
    return false;
}

} // namespace

bool TTextWriter::Write(TLogType aLogType, const std::u16string& aMessage) {
    try {
        const std::u16string file = LogFilePath();
        RotateIfNeeded(file);
        if (!FileSystem().FileExists(file))
            WriteHeader();
        return !IsBlank(aMessage) && WriteLine(aLogType, aMessage);
    } catch (...) {
        return false;
    }
}

std::u16string TTextWriter::LogFilePath() const {
    return FPropText.Path() + FPropText.FileName();
}

void TTextWriter::RotateIfNeeded(const std::u16string& file) const {
    const auto size = FileSystem().FileSize(file);
    if (FPropText.MaxSize() <= 0 || !size ||
        *size <= static_cast<std::uint64_t>(FPropText.MaxSize()) * 1024)
        return;
    if (FPropText.SaveHistory()) {
        FileSystem().RenameFile(file, file + u"_" + HistoryTimeStamp(Clock().Now()));
        return;
    }
    const std::u16string backup = ChangeFileExt(file, u".bak");
    FileSystem().RemoveFile(backup);
    FileSystem().RenameFile(file, backup);
}

void TTextWriter::WriteHeader() {
    const std::u16string stars(50, u'*');
    const std::u16string program = Environment().ProgramPath();
    WriteLine(ltAudit, stars);
    WriteLine(ltAudit, HeaderField(u"File:", program));
    WriteLine(ltAudit, HeaderField(u"File Version:", TVersionInfo(program).FileVersion()));
    WriteLine(ltAudit,
              HeaderField(u"OS Version:", WindowsVersionName(GetWindowsVersion()).substr(2)));
    WriteLine(ltAudit, stars);
}

bool TTextWriter::WriteLine(TLogType aLogType, const std::u16string& aMessage) {
    const std::u16string indent = IndentFor(aLogType);
    return AppendLine(LogTimeStamp(Clock().Now()) + kSeparator + Origin() + kSeparator +
                      LogTypeTag(aLogType) + kSeparator + indent + aMessage);
}

std::u16string TTextWriter::IndentFor(TLogType aLogType) {
    if (aLogType == ltStart)
        FPropText.SetTabCount(FPropText.TabCount() + 1);
    std::u16string indent;
    for (int i = 0; !FPropText.Tabs().empty() && i < FPropText.TabCount(); ++i)
        indent += FPropText.Tabs();
    if (aLogType == ltDown)
        FPropText.SetTabCount(FPropText.TabCount() - 1);
    return indent;
}

std::u16string TTextWriter::Origin() const {
    std::u16string origin;
    if (FPropText.ShowProcessName())
        origin += ExtractFileName(Environment().ProgramPath()) + kSeparator;
    if (FPropText.OSCurrentUser() && !CurrentUserName().empty())
        origin += CurrentUserName() + kSeparator;
    return origin + FPropText.ThreadID();
}

bool TTextWriter::AppendLine(const std::u16string& line) const {
    try {
        if (IsBlank(line) || !FileSystem().ForceDirectories(FPropText.Path()))
            return false;
        const std::string bytes = EncodeText(line + u"\r\n", TTextEncoding::Ansi);
        const std::u16string file = LogFilePath();
        for (int attempt = 1; attempt <= kAttempts; ++attempt) {
            const auto opened = FileSystem().OpenExclusive(file);
            if (opened && AppendWhole(*opened, bytes))
                return true;
            if (attempt < kAttempts)
                Clock().Sleep(kRetryDelayMs);
        }
        return false;
    } catch (...) {
        return false;
    }
}

void TTextWriter::Initialize(const std::u16string& aText, bool Global) {
    if (aText.empty())
        return;
    // Present keys always apply; absent ones only to a global text, with their defaults.
    const auto apply = [&](std::u16string_view key,
                           const std::function<void(std::u16string)>& set) {
        const auto value = FindKeyValue(aText, key);
        if (value || Global)
            set(value.value_or(u""));
    };
    apply(
        kKeyLevel, [this](auto v) { FPropText.SetLevel(ParseInteger(v, 7)); });
    apply(
        kKeyShowUser, [this](auto v) { FPropText.SetOSCurrentUser(v == u"1"); });
    apply(
        kKeyMaxSize, [this](auto v) { FPropText.SetMaxSize(ParseInteger(v, 1024)); });
    apply(kKeyHistory, [this](auto v) { FPropText.SetSaveHistory(ParseBoolean(v, false)); });
    const std::u16string folder = KeyValue(aText, kKeyFolder);
    if (!IsBlank(folder))
        FPropText.SetPath(IncludeTrailingPathDelimiter(folder));
    const std::u16string name = KeyValue(aText, kKeyName);
    if (!IsBlank(name))
        FPropText.SetFileName(name);
    FPropText.SetShowProcessName(Global && !IsBlank(name));
    apply(kKeyIndent, [this](auto v) { FPropText.SetTabs(RemoveChar(v, u'"')); });
}

} // namespace typ
