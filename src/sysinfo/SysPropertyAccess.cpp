#include "sysinfo/SysPropertyAccess.h"

#include "environment/Conversion.h"
#include "environment/StrUtils.h"

namespace typ {

std::u16string ReadText(const TSysInfo& record, const TSysProperty& property) {
    switch (property.Kind) {
    case TValueKind::Y:
        return record.ReadBinary(property.ReadKey, u"");
    case TValueKind::Raw:
        return record.GetRawValue(property.ReadKey);
    default:
        break;
    }
    std::u16string value = record.ReadString(property.ReadKey);
    if (value.empty() && !property.FallbackKey.empty())
        value = record.ReadString(property.FallbackKey);
    return value;
}

int ReadNumber(const TSysInfo& record, const TSysProperty& property) {
    return record.ReadInteger(property.ReadKey, 0);
}

bool ReadYesNo(const TSysInfo& record, const TSysProperty& property) {
    switch (property.Kind) {
    case TValueKind::Flag: {
        const std::u16string value = record.ReadString(property.ReadKey);
        return value == u"S" || value == u"True";
    }
    case TValueKind::One:
        return record.ReadInteger(property.ReadKey, 0) == 1;
    case TValueKind::Orvik:
        return record.ReadString(property.ReadKey) == u"ORVIK";
    default:
        return record.ReadBool(property.ReadKey, false);
    }
}

void WriteText(TSysInfo& record, const TSysProperty& property, std::u16string_view value) {
    if (property.Kind == TValueKind::Y)
        record.WriteBinary(property.WriteKey, value);
    else
        record.WriteString(property.WriteKey, value);
}

void WriteNumber(TSysInfo& record, const TSysProperty& property, int value) {
    record.WriteInteger(property.WriteKey, value);
}

void WriteYesNo(TSysInfo& record, const TSysProperty& property, bool value) {
    switch (property.Kind) {
    case TValueKind::Flag:
        record.WriteString(property.WriteKey, value ? u"S" : u"N");
        break;
    case TValueKind::One:
        record.WriteInteger(property.WriteKey, value ? 1 : 0);
        break;
    default:
        record.WriteBool(property.WriteKey, value);
        break;
    }
}

std::u16string PropertyText(const TSysInfo& record, const TSysProperty& property) {
    if (property.IsBoolean())
        return ReadYesNo(record, property) ? u"True" : u"False";
    if (property.Kind == TValueKind::N)
        return IntToStr(ReadNumber(record, property));
    return ReadText(record, property);
}

void SetPropertyText(TSysInfo& record, const TSysProperty& property, std::u16string_view value) {
    if (property.IsBoolean())
        WriteYesNo(record, property, ConvertToBoolean(value));
    else if (property.Kind == TValueKind::N)
        WriteNumber(record, property, ConvertToInteger(value));
    else
        WriteText(record, property, value);
}

const TSysProperty* FindProperty(std::span<const TSysProperty* const> table,
                                 std::u16string_view name) {
    for (const TSysProperty* property : table)
        if (SameText(property->Name, name))
            return property;
    return nullptr;
}

} // namespace typ
