#include "sysinfo/ServerException.h"

#include "sysinfo/PeerText.h"
#include "sysinfo/RemoteError.h"

namespace typ {

bool IsTransportException(std::string_view className) {
    return className == kTransportExceptionClass;
}

void RaiseServerException(std::string_view className, std::string_view message) {
    if (IsTransportException(className))
        throw ERemoteError("An exception was raised on the server: " + ValidUtf8(message));
    throw ERemoteError("An exception of type " + ValidUtf8(className) +
                       " was raised on the server: " + ValidUtf8(message));
}

} // namespace typ
