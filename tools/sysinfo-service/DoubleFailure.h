#pragma once

#include <stdexcept>
#include <string_view>

namespace typ::dbl {

// The class name under which the double's own refusals travel in an exception
// response; the client reports it as "An exception of type EVnSysInfoError
// was raised on the server: <message>".
inline constexpr std::string_view kDoubleExceptionClass = "EVnSysInfoError";

// A request the double refuses: an unknown installation or data option, or
// every call while failing on purpose. The message is UTF-8.
class EDoubleFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace typ::dbl
