#pragma once

#include <string_view>

namespace typ {

// How a property's value is read and written.
enum class TValueKind {
    S,     // ReadString / WriteString; missing reads empty
    N,     // ReadInteger with the default 0 / WriteInteger
    B,     // ReadBool with the default false / WriteBool
    Y,     // ReadBinary with the empty default / WriteBinary
    Raw,   // the stored value, tag included; never written
    Flag,  // S, true for exactly "S" or "True"; written "S" or "N"
    One,   // N, true for exactly 1; written 1 or 0
    Orvik, // true when the S value is exactly "ORVIK"; never written
};

// One property of a record class: its name, the key it reads, how, and the
// key it writes (empty when it cannot be written). FallbackKey is read when
// the read key reads empty.
struct TSysProperty {
    std::u16string_view Name;
    std::u16string_view ReadKey;
    TValueKind Kind;
    std::u16string_view WriteKey;
    std::u16string_view FallbackKey = {};

    bool Writable() const { return !WriteKey.empty(); }
    bool IsBoolean() const {
        return Kind == TValueKind::B || Kind == TValueKind::Flag || Kind == TValueKind::One ||
               Kind == TValueKind::Orvik;
    }
};

} // namespace typ
