#include "sysinfo/SysInfo.h"

#include "charconv/Windows1252.h"
#include "environment/Conversion.h"
#include "environment/StrUtils.h"
#include "sysinfo/HexText.h"

namespace typ {
namespace {

constexpr std::u16string_view kBoolTag = u"<B>";
constexpr std::u16string_view kIntegerTag = u"<N>";
constexpr std::u16string_view kStringTag = u"<S>";
constexpr std::u16string_view kBinaryTag = u"<Y>";

std::u16string Untagged(std::u16string_view value, std::u16string_view tag) {
    return ReplaceAll(value, tag, u"");
}

} // namespace

TSysInfo::TSysInfo(std::u16string_view SysInfoR)
    : FOwnLines(std::make_unique<TSysInfoLines>(SysInfoR)), FSysInfoR(*FOwnLines) {}

TSysInfo::TSysInfo(TSysInfoLines& Shared) : FSysInfoR(Shared) {}

void TSysInfo::NoteModified(std::u16string_view key, std::u16string_view value) {
    FModifiedValues.append(key).append(u"=").append(value).append(u"\r\n");
}

bool TSysInfo::WriteTagged(std::u16string_view key, std::u16string_view value,
                           std::u16string_view tag) {
    const std::u16string tagged = std::u16string(value) + std::u16string(tag);
    SetRawValue(key, tagged);
    NoteModified(key, tagged);
    return true;
}

bool TSysInfo::WriteBool(std::u16string_view aProperty, bool aValue) {
    return WriteTagged(aProperty, aValue ? u"True" : u"False", kBoolTag);
}

bool TSysInfo::WriteInteger(std::u16string_view aProperty, int aValue) {
    return WriteTagged(aProperty, IntToStr(aValue), kIntegerTag);
}

bool TSysInfo::WriteString(std::u16string_view aProperty, std::u16string_view aValue) {
    return WriteTagged(aProperty, aValue, kStringTag);
}

bool TSysInfo::WriteBinary(std::u16string_view aProperty, std::u16string_view aValue) {
    return WriteTagged(aProperty, HexOf(Windows1252Table().Encode(aValue)), kBinaryTag);
}

bool TSysInfo::ReadBool(std::u16string_view aProperty, bool aDefault) const {
    const std::u16string value = GetRawValue(aProperty);
    return value.empty() ? aDefault : ConvertToBoolean(Untagged(value, kBoolTag));
}

int TSysInfo::ReadInteger(std::u16string_view aProperty, int aDefault) const {
    const std::u16string value = GetRawValue(aProperty);
    return value.empty() ? aDefault : ConvertToInteger(Untagged(value, kIntegerTag));
}

std::u16string TSysInfo::ReadString(std::u16string_view aProperty) const {
    return Untagged(GetRawValue(aProperty), kStringTag);
}

std::u16string TSysInfo::ReadBinary(std::u16string_view aProperty,
                                    std::u16string_view aDefault) const {
    const std::u16string value = GetRawValue(aProperty);
    if (value.empty())
        return std::u16string(aDefault);
    return Windows1252Table().Decode(BytesOfHex(Untagged(value, kBinaryTag)));
}

std::u16string TSysInfo::MergeValues(std::u16string_view current, std::u16string_view fetched) {
    TSysInfoLines merged(current);
    for (const std::u16string& line : SplitLines(fetched)) {
        const std::size_t separator = line.find(u'=');
        const std::optional<std::size_t> index =
            separator == std::u16string::npos
                ? std::nullopt
                : merged.IndexOfKey(std::u16string_view(line).substr(0, separator));
        if (index)
            merged.SetValue(merged.KeyOf(merged.Entry(*index)), line.substr(separator + 1));
        else
            merged.Add(line);
    }
    return merged.Text();
}

} // namespace typ
