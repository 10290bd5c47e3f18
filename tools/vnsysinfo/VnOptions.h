#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace typ::vn {

// A command line the tool cannot follow; the message (UTF-8, Spanish) says why.
class EVnUsage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr char kDefaultHost[] = "127.0.0.1";
inline constexpr std::uint16_t kDefaultPort = 9097;

// What the command line asks for: the command's words and the address.
struct TVnOptions {
    std::vector<std::string> Words; // the command and its arguments
    std::string Host = kDefaultHost;
    std::uint16_t Port = kDefaultPort;
    bool Help = false;

    bool AtDefaultAddress() const { return Host == kDefaultHost && Port == kDefaultPort; }
};

// The options of the arguments (UTF-8, without the program name). Throws
// EVnUsage for an unknown option or a missing or malformed value; the words
// themselves are checked by the command that runs them.
TVnOptions ParseVnOptions(const std::vector<std::string>& arguments);

// The help text.
const char* VnUsage();

} // namespace typ::vn
