#pragma once

#include "server/Guid.h"

namespace typ {

// A random (version 4) identifier, fresh for every call.
TGuid NewRandomGuid();

} // namespace typ
