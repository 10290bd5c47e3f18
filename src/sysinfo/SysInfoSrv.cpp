#include "sysinfo/SysInfoSrv.h"

namespace typ {
namespace {

constexpr std::u16string_view kDictionaryKey = u"DictionaryCnxnStr";

} // namespace

TSysInfoSrv::TSysInfoSrv(std::u16string_view SysInfoR)
    : TSysInfo(SysInfoR), FHLNumber(ReadString(u"HLNumber")) {}

std::u16string TSysInfoSrv::RequestOnDemand(const std::u16string& HLNumber, int DataOption) const {
    return FOnDemandData ? FOnDemandData(HLNumber, DataOption) : std::u16string();
}

// The fetched text is merged as it comes: an error text becomes a key of the
// record like any other line.
void TSysInfoSrv::FetchGroup(int DataOption) {
    if (!FOnDemandData)
        return;
    const std::u16string fetched = FOnDemandData(FHLNumber, DataOption);
    Lines().SetText(MergeValues(Text(), fetched));
}

std::u16string TSysInfoSrv::DictionaryCnxnStrOnDemand() {
    const std::u16string value = ReadString(kDictionaryKey);
    if (!value.empty())
        return value;
    const std::u16string fetched = RequestOnDemand(FHLNumber, kOnDemandDictionaryConnection);
    if (!Lines().HasKey(kDictionaryKey)) {
        // An empty answer would only add an empty line on every read.
        if (!fetched.empty())
            Lines().Add(fetched);
    } else {
        SetRawValue(kDictionaryKey, TSysInfoLines(fetched).Value(kDictionaryKey));
    }
    return ReadString(kDictionaryKey);
}

} // namespace typ
