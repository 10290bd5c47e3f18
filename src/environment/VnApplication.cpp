#include "environment/VnApplication.h"

#include "environment/FilePath.h"
#include "environment/StrUtils.h"
#include "environment/VnWinUser.h"
#include "logging/IniFile.h"
#include "logging/TextEncoding.h"
#include "platform/FileSystem.h"

#include <exception>

namespace typ {
namespace {

TApplicationWindows* gWindows = nullptr;

// Runs a window operation only where the person at the screen sees it.
template <typename TOperation> void WhenInteractive(TOperation operation) {
    if (gWindows != nullptr && TVnWinUser::UserInteractive())
        operation(*gWindows);
}

std::u16string ReadKeyNumber(const std::u16string& file) {
    if (!FileSystem().FileExists(file))
        return {};
    const TIniFile ini(DecodeText(FileSystem().ReadWholeFile(file)).Text);
    for (const auto& [key, value] : ini.SectionValues(u"LICENCIA"))
        if (SameText(key, u"NUMEROLLAVE"))
            return value;
    return {};
}

} // namespace

void TVnApplication::BringToFront(std::uintptr_t Handle) {
    WhenInteractive([Handle](TApplicationWindows& windows) { windows.BringToFront(Handle); });
}

void TVnApplication::Minimize() {
    WhenInteractive([](TApplicationWindows& windows) { windows.Minimize(); });
}

void TVnApplication::Restore() {
    WhenInteractive([](TApplicationWindows& windows) { windows.Restore(); });
}

bool TVnApplication::UserInteractive() {
    return TVnWinUser::UserInteractive();
}

std::u16string TVnApplication::CurrentUserName() {
    return TVnWinUser::CurrentUserName();
}

std::u16string TVnApplication::InteractiveUserName() {
    return TVnWinUser::InteractiveUserName();
}

std::u16string TVnApplication::DiferentUsersErrorMsg() {
    return TVnWinUser::DiferentUsersErrorMsg();
}

bool TVnApplication::IsWow64Process(const TWow64Answer& answer) {
    if (!answer.FunctionFound)
        return false;
    if (!answer.CallSucceeded)
        throw EVnApplication("Error obteniendo handle de la funci\xC3\xB3n isWow64Process");
    return answer.Wow64;
}

std::u16string TVnApplication::DescripIniPath(const std::u16string& APath) {
    return ExtractFilePath(APath) + u"DESCRIP.INI";
}

std::u16string TVnApplication::GetHLNumberFromPath(const std::u16string& APath) {
    try {
        return ReadKeyNumber(DescripIniPath(APath));
    } catch (const std::exception&) {
        return {};
    }
}

void TVnApplication::SetWindows(TApplicationWindows* windows) {
    gWindows = windows;
}

} // namespace typ
