#pragma once

#include <string_view>

namespace typ {

class TValueReader;
class TValueWriter;

// A value of the contract that travels as a structure or an array: it knows
// its registered class name and reads and writes its own fields.
class TComplexValue {
public:
    virtual ~TComplexValue() = default;

    virtual std::string_view ClassName() const = 0;
    virtual void ReadFields(TValueReader& reader) = 0;
    virtual void WriteFields(TValueWriter& writer) const = 0;
};

} // namespace typ
