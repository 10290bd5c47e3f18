#pragma once

#include <optional>
#include <string>

namespace typ::win {

// The arguments of ShowEx other than the text.
struct TShowArgs {
    std::wstring Dir;
    std::wstring Caption;
    long HelpContext = 0;
    long HelpContextVar = 0;
    std::wstring HelpFile;
};

// Opens the editor on a DOS-as-ANSI text through the automation server and
// waits until the user closes it. Returns the new text when the editor reports
// a change, nothing otherwise. The calling thread must be in an apartment.
// Throws EHostError (NotRegistered, CreateFailed, CallFailed).
std::optional<std::u16string> EditThroughServer(const TShowArgs& args, const std::u16string& text);

} // namespace typ::win
