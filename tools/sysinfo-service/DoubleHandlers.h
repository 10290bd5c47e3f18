#pragma once

#include "DoubleStore.h"
#include "sysinfo/BinaryMessage.h"

#include <string_view>

namespace typ::dbl {

// Serves one method: reads the request's values from the message, then turns
// the message into the response (InitializeResponse) and writes its values.
// Throws EDoubleFailure for a request it refuses.
using THandler = void (*)(TDoubleStore& store, TBinaryMessage& message, const TMessageNames& names);

// The handler of a method of the contract; null for any other name.
THandler SvrSysInfoHandler(std::string_view method);
THandler SvcSysAdminHandler(std::string_view method);

} // namespace typ::dbl
