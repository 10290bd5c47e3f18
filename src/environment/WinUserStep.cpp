#include "environment/WinUserStep.h"

#include "logging/ExceptionText.h"
#include "logging/ManagedLogFile.h"

namespace typ::winuser {

void LogTech(const std::u16string& text) {
    try {
        TManagedLogFile::Write(ltTech, text);
    } catch (const std::exception&) {
        return;
    }
}

void Replace(std::u16string_view logPrefix, const std::exception& error,
             const std::string& raised) {
    LogTech(std::u16string(logPrefix) + ExceptionMessage(error));
    throw EVnWinUser(raised);
}

} // namespace typ::winuser
