#pragma once

#include "sysinfo/Service.h"
#include "sysinfo/ServiceList.h"
#include "sysinfo/ValueReader.h"
#include "sysinfo/ValueWriter.h"

#include <memory>

namespace typ {

// A structure: the flag byte 1, the class name, the fields; null is the single
// byte 0.
void WriteService(TValueWriter& writer, const TService* service);
// Null for an absent structure. The class named in the stream must be
// registered and be "Service" or derive from it.
std::unique_ptr<TService> ReadService(TValueReader& reader);

// An array: the flag byte 1, the element count, every element as a structure;
// null is the single byte 0.
void WriteServiceList(TValueWriter& writer, const TServiceList* list);
// Null for an absent array.
std::unique_ptr<TServiceList> ReadServiceList(TValueReader& reader);

} // namespace typ
