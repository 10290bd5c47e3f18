#include "environment/VnPaths.h"

#include "environment/FilePath.h"
#include "environment/StrUtils.h"
#include "platform/FileSystem.h"

#include <mutex>

namespace typ {
namespace {

const std::u16string kMakerFolder = u"Velnor";
const std::u16string kUsersFolder = u"Usuarios";

// The machine-wide folder, read once per process (again while reads yield
// nothing). Threads that fill it at once would write the same text; the lock
// only keeps the string itself intact.
class TCommonAppDataCache {
public:
    std::u16string Get() {
        std::lock_guard lock(FMutex);
        if (FValue.empty())
            FValue = TVnPaths::ReadShellFolder(TShellFolder::CommonAppData);
        return FValue;
    }

    void Clear() {
        std::lock_guard lock(FMutex);
        FValue.clear();
    }

private:
    std::mutex FMutex;
    std::u16string FValue;
};

TCommonAppDataCache& CommonAppDataCache() {
    static TCommonAppDataCache cache;
    return cache;
}

std::u16string Checked(std::u16string path) {
    return TVnPaths::EnsureFolder(path) ? path : std::u16string();
}

} // namespace

void TVnPaths::FormatPathFolder(std::u16string& path) {
    if (path.empty())
        return;
    for (char16_t& c : path)
        if (c != kPathDelim && std::u16string_view(u"/*?\"<>|").find(c) != std::u16string::npos)
            c = u'-';
    path = IncludeTrailingPathDelimiter(path);
}

bool TVnPaths::IsLocalDrivePath(const std::u16string& path) {
    if (path.empty())
        return false;
    const std::u16string drive = path.substr(0, path.find(u'\\'));
    return Environment().DriveType(drive) == TDriveType::Fixed;
}

std::u16string TVnPaths::ExpandFirstVariable(const std::u16string& text) {
    const std::size_t open = text.find(u'%');
    if (open == std::u16string::npos)
        return text;
    const std::size_t close = text.find(u'%', open + 1);
    if (close == std::u16string::npos)
        return RemoveChar(text, u'%');
    const std::u16string reference = text.substr(open, close - open + 1);
    const std::u16string value =
        Environment().Variable(text.substr(open + 1, close - open - 1)).value_or(u"");
    std::u16string result;
    std::size_t start = 0;
    for (std::size_t hit = FindText(text, reference); hit != std::u16string::npos;
         hit = FindText(text, reference, start)) {
        result.append(text, start, hit - start).append(value);
        start = hit + reference.size();
    }
    return result.append(text, start);
}

std::u16string TVnPaths::ReadShellFolder(TShellFolder folder) {
    const std::u16string path = ExpandFirstVariable(Environment().ShellFolder(folder));
    return path.empty() ? path : IncludeTrailingPathDelimiter(path);
}

bool TVnPaths::EnsureFolder(std::u16string& path) {
    if (path.empty())
        return false;
    FormatPathFolder(path);
    return FileSystem().ForceDirectories(path);
}

void TVnPaths::ClearCache() {
    CommonAppDataCache().Clear();
}

std::u16string TVnPaths::ApplicationData(const std::u16string& subFolder) {
    return Checked(IncludeTrailingPathDelimiter(CommonAppDataCache().Get() + subFolder));
}

std::u16string TVnPaths::ApplicationData_Velnor(const std::u16string& subFolder) {
    return ApplicationData(kMakerFolder + kPathDelim + subFolder);
}

std::u16string TVnPaths::ApplicationData_CurrentUser(const std::u16string& hlNumber,
                                                     const std::u16string& userName) {
    std::u16string path = ApplicationData_Velnor(u"") + hlNumber;
    path = IncludeTrailingPathDelimiter(path) + kUsersFolder + kPathDelim + userName;
    return Checked(IncludeTrailingPathDelimiter(path));
}

std::u16string TVnPaths::ApplicationDataVelnor_WindowsCurrentUser(const std::u16string& hlNumber) {
    const std::u16string base =
        IncludeTrailingPathDelimiter(ReadShellFolder(TShellFolder::AppData));
    return Checked(base + kMakerFolder + kPathDelim + hlNumber);
}

std::u16string TVnPaths::MyDocuments(const std::u16string& subFolder) {
    return Checked(
        IncludeTrailingPathDelimiter(ReadShellFolder(TShellFolder::Personal) + subFolder));
}

std::u16string TVnPaths::GetAppDataPath(const std::u16string& subFolder) {
    return ApplicationData(subFolder);
}

std::u16string TVnPaths::GetAppDataPathVelnor(const std::u16string& subFolder) {
    return ApplicationData_Velnor(subFolder);
}

std::u16string TVnPaths::GetCurrentUserPath(const std::u16string& hlNumber,
                                            const std::u16string& userName) {
    return ApplicationData_CurrentUser(hlNumber, userName);
}

std::u16string TVnPaths::GetMyDocumnetsPath(const std::u16string& subFolder) {
    return MyDocuments(subFolder);
}

} // namespace typ
