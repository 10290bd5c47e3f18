#include "sysinfo/ContractValues.h"

#include "sysinfo/ContractClasses.h"
#include "sysinfo/RemoteError.h"

namespace typ {
namespace {

constexpr std::uint8_t kAbsent = 0;
constexpr std::uint8_t kPresent = 1;

// Any flag other than 0 counts as present, as a Boolean counts any non-zero.
bool ReadPresence(TValueReader& reader) {
    return reader.ReadByte() != kAbsent;
}

} // namespace

void WriteService(TValueWriter& writer, const TService* service) {
    if (service == nullptr) {
        writer.WriteByte(kAbsent);
        return;
    }
    writer.WriteByte(kPresent);
    writer.WriteUtf8(service->ClassName());
    service->WriteFields(writer);
}

std::unique_ptr<TService> ReadService(TValueReader& reader) {
    if (!ReadPresence(reader))
        return nullptr;
    const std::string className = reader.ReadName();
    std::unique_ptr<TComplexValue> value =
        ContractClasses().Create(className, TService::kClassName);
    value->ReadFields(reader);
    // The registry's only class that descends from "Service" is TService.
    return std::unique_ptr<TService>(static_cast<TService*>(value.release()));
}

void WriteServiceList(TValueWriter& writer, const TServiceList* list) {
    if (list == nullptr) {
        writer.WriteByte(kAbsent);
        return;
    }
    writer.WriteByte(kPresent);
    list->WriteFields(writer);
}

std::unique_ptr<TServiceList> ReadServiceList(TValueReader& reader) {
    if (!ReadPresence(reader))
        return nullptr;
    auto list = std::make_unique<TServiceList>();
    list->ReadFields(reader);
    return list;
}

} // namespace typ
