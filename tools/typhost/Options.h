#pragma once

#include "HostError.h"

#include <string>
#include <string_view>
#include <vector>

namespace typ::win {

// What the command line of typhost asks for.
struct THostOptions {
    std::wstring File;
    std::wstring Caption; // empty: "Editor TYP - " and the file's name
    std::wstring Dir;     // empty: the file's folder
    long HelpContext = 0;
    long HelpContextVar = 0;
    std::wstring HelpFile;
    bool Print = false;
    std::wstring PrintTo; // the picture file of the printed page; empty: none
    bool Help = false;
};

// The arguments after the program name. Throws EHostError (TExitCode::Usage).
THostOptions ParseHostOptions(const std::vector<std::wstring>& args);

// The caption the editor gets when none is given: the file's name, without folders.
std::wstring DefaultCaption(std::wstring_view file);

const wchar_t* HostUsage();

} // namespace typ::win
