#include "sysinfo/ChannelEnvelope.h"
#include "sysinfo/RemoteError.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Any bytes as a received payload: unwrapping either yields a message or
// raises ERemoteError, and a message wrapped by us always unwraps to itself.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const typ::TBytes payload(data, data + size);
    try {
        typ::UnwrapEnvelope(payload);
    } catch (const typ::ERemoteError&) {
    }
    if (typ::UnwrapEnvelope(typ::WrapEnvelope(payload)) != payload)
        std::abort();
    return 0;
}
