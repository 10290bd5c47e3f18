#pragma once

#include "SysInfoDouble.h"

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace typ::dbl {

// A command line the program cannot follow; the message (UTF-8) says why.
class EDoubleUsage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the program's command line asks for.
struct TDoubleOptions {
    std::uint16_t Port = 9097;
    std::chrono::milliseconds Delay{0};
    // How long the service stays START_PENDING before it listens.
    std::chrono::milliseconds StartDelay{0};
    TDoubleMisbehaviour Misbehaviour = TDoubleMisbehaviour::None;
    // A file (UTF-8 path) to which every call and every Set's lines are
    // appended, for tests that run the double as a process; empty for none.
    std::string Journal;
    bool Install = false;   // register the Windows service, then end
    bool Uninstall = false; // remove the Windows service, then end
    bool Service = false;   // started by the service manager
    bool Help = false;
};

// The options of the arguments (without the program name). Throws
// EDoubleUsage.
TDoubleOptions ParseDoubleOptions(const std::vector<std::string>& arguments);

// The arguments that make the program serve as `options` says: the port, the
// delays and the misbehaviour; what the installed service is started with.
std::vector<std::string> ServingArguments(const TDoubleOptions& options);

// The help text.
const char* DoubleUsage();

} // namespace typ::dbl
