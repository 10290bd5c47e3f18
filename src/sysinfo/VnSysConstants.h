#pragma once

#include <cstdint>

namespace typ {

// Which product line's installations a listing covers; sent as its ordinal.
enum class TEnumTypeSystem : std::int32_t { etsOrvik = 0, etsZorval = 1, etsBoth = 2 };

// Which group of values a client record holds; sent as its ordinal.
enum class TClientDataOption : std::int32_t {
    cdoBasic = 0,
    cdoServicesLocation = 1,
    cdoDictionaryConnection = 2,
    cdoCUConfig = 3,
    cdoExportOptions = 4,
};

// Which group of values a server record holds; sent as its ordinal.
enum class TServerDataOption : std::int32_t {
    sdoBasic = 0,
    sdoServicesLocation = 1,
    sdoDictionaryConnection = 2,
};

} // namespace typ
