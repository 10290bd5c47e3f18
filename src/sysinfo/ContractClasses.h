#pragma once

#include "sysinfo/ClassRegistry.h"

namespace typ {

// The process-wide registry of the contract's classes, "Service" and
// "ServiceList", registered once on first use (before any call reads them).
const TClassRegistry& ContractClasses();

} // namespace typ
