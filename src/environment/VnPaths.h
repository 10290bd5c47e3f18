#pragma once

#include "platform/Environment.h"

#include <string>

namespace typ {

// The folders where the maker's programs keep shared data. Every operation
// returns a folder that ends with a path delimiter and exists (missing parts
// are created), or an empty string when it cannot be had. The folders come
// from the shell-folder settings of the platform; none of them raises.
class TVnPaths {
public:
    TVnPaths() = delete;

    // Replaces the seven characters / * ? " < > | (all but the platform's own
    // delimiter) by hyphens and adds a trailing delimiter; empty stays empty.
    static void FormatPathFolder(std::u16string& path);
    // True when the drive of the path (its part before the first "\") is a
    // fixed local disk. Paths without drive letters (POSIX) name their drive
    // with the whole path: the file system that holds it decides.
    static bool IsLocalDrivePath(const std::u16string& path);

    static std::u16string ApplicationData(const std::u16string& subFolder);
    static std::u16string ApplicationData_Velnor(const std::u16string& subFolder);
    static std::u16string ApplicationData_CurrentUser(const std::u16string& hlNumber,
                                                      const std::u16string& userName);
    static std::u16string ApplicationDataVelnor_WindowsCurrentUser(const std::u16string& hlNumber);
    static std::u16string MyDocuments(const std::u16string& subFolder);

    static std::u16string GetAppDataPath(const std::u16string& subFolder);
    static std::u16string GetAppDataPathVelnor(const std::u16string& subFolder);
    static std::u16string GetCurrentUserPath(const std::u16string& hlNumber,
                                             const std::u16string& userName);
    static std::u16string GetMyDocumnetsPath(const std::u16string& subFolder);

    // A shell folder's setting with its first variable expanded and a trailing
    // delimiter; empty when the setting is missing.
    static std::u16string ReadShellFolder(TShellFolder folder);
    // Expands the first %name% of the text, every occurrence of it (letter
    // case ignored), from the process environment; other variables stay.
    static std::u16string ExpandFirstVariable(const std::u16string& text);
    // Cleans the path and creates the folder; false for an empty path or a
    // folder that cannot be created.
    static bool EnsureFolder(std::u16string& path);
    // Forgets the machine-wide folder read on first use (done at shutdown too).
    static void ClearCache();
};

} // namespace typ
