#pragma once

#include <stdexcept>

namespace typ {

// A failed remote call to the system-information service; the message (UTF-8)
// is the text the stub reports.
class ERemoteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace typ
