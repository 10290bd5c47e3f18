#pragma once

#include "sysinfo/ComplexValue.h"

#include <string>

namespace typ {

// One service of the installation and whether it starts with the system;
// travels as the structure of class "Service".
class TService : public TComplexValue {
public:
    static constexpr std::string_view kClassName = "Service";

    std::u16string Name;
    bool Start = false;

    void Assign(const TService& source);

    std::string_view ClassName() const override { return kClassName; }
    void ReadFields(TValueReader& reader) override;
    void WriteFields(TValueWriter& writer) const override;
};

} // namespace typ
