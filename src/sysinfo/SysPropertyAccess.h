#pragma once

#include "sysinfo/SysInfo.h"
#include "sysinfo/SysInfoProperty.h"

#include <span>
#include <string>
#include <string_view>

namespace typ {

// Reads and writes of a property row on a record, by the row's kind.

// S (the fallback key when the read key reads empty), Y and Raw.
std::u16string ReadText(const TSysInfo& record, const TSysProperty& property);
// N.
int ReadNumber(const TSysInfo& record, const TSysProperty& property);
// B, Flag, One and Orvik.
bool ReadYesNo(const TSysInfo& record, const TSysProperty& property);

// Each is one typed write under the row's write key.
void WriteText(TSysInfo& record, const TSysProperty& property, std::u16string_view value);
void WriteNumber(TSysInfo& record, const TSysProperty& property, int value);
void WriteYesNo(TSysInfo& record, const TSysProperty& property, bool value);

// The value as a person reads it: numbers in decimal, yes/no as "True" or
// "False", texts as they are.
std::u16string PropertyText(const TSysInfo& record, const TSysProperty& property);
// Writes a value given as text, converted by the row's kind (EConvertError
// when it does not convert).
void SetPropertyText(TSysInfo& record, const TSysProperty& property, std::u16string_view value);

// The row of a table with the name, letter case ignored; nullptr when none.
const TSysProperty* FindProperty(std::span<const TSysProperty* const> table,
                                 std::u16string_view name);

} // namespace typ
