// vnsysinfo: an administrator's console client of the system-information
// service, on top of the gateway. Exit codes: see VnCommands.h.
#include "VnCommands.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include "charconv/UnicodeBytes.h"
#include "platform/WideText.h"

#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    // The records are printed as UTF-8.
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(typ::EncodeUtf8(typ::win::FromWide(argv[i])));
    return typ::vn::VnSysInfoMain(arguments, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
    return typ::vn::VnSysInfoMain(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                  std::cerr);
}
#endif
