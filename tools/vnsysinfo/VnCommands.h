#pragma once

#include "VnOptions.h"

#include <ostream>
#include <stdexcept>

namespace typ::vn {

// The exit codes of the tool.
enum TVnExit : int {
    vxDone = 0,
    vxUsage = 1,       // wrong command line, unknown or read-only property
    vxService = 2,     // the service cannot be reached or refused the request
    vxConversion = 3,  // a value that does not convert to its property's type
    vxNotAccepted = 4, // the service answered that it did not take the changes
    vxUnexpected = 5,  // the tool's own fault
};

// A failure with its exit code; the message (UTF-8) is one Spanish line.
class EVnFailure : public std::runtime_error {
public:
    EVnFailure(TVnExit code, const std::string& message)
        : std::runtime_error(message), Code(code) {}
    TVnExit Code;
};

// Runs the command of the options against the service at their address:
// what it reads goes to `out` as UTF-8 lines. Raises EVnUsage or EVnFailure
// (and whatever the gateway raises: ESysInfoGateWay, EConvertError).
void RunVnCommand(const TVnOptions& options, std::ostream& out);

// The whole tool: options, command, and every failure as one line on `err`
// with its exit code.
int VnSysInfoMain(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace typ::vn
