#pragma once

#include <string>
#include <string_view>

namespace typ {

// The class name under which this transport's own failures travel in an
// exception message: the ERemoteError family, whose one member is
// "ERemoteError". A service that cannot read a request answers with it.
inline constexpr std::string_view kTransportExceptionClass = "ERemoteError";

// Whether an exception class named in a response is one of the transport's own.
bool IsTransportException(std::string_view className);

// Raises the failure that an exception response reports, always as an
// ERemoteError: "An exception was raised on the server: <message>" for the
// transport's own classes, "An exception of type <class> was raised on the
// server: <message>" for any other. Texts from the peer are made valid UTF-8.
[[noreturn]] void RaiseServerException(std::string_view className, std::string_view message);

} // namespace typ
