#include "sysinfo/ServiceList.h"

#include "sysinfo/ContractValues.h"
#include "sysinfo/RemoteError.h"
#include "sysinfo/ValueReader.h"
#include "sysinfo/ValueWriter.h"

#include <string>

namespace typ {

TService* TServiceList::Items(std::int32_t index) const {
    CheckIndex(index);
    return FItems[static_cast<std::size_t>(index)].get();
}

void TServiceList::SetItems(std::int32_t index, std::unique_ptr<TService> value) {
    CheckIndex(index);
    FItems[static_cast<std::size_t>(index)] = std::move(value);
}

TService& TServiceList::Add() {
    auto service = std::make_unique<TService>();
    TService& added = *service;
    Add(std::move(service));
    return added;
}

std::int32_t TServiceList::Add(std::unique_ptr<TService> value) {
    GrowWhenFull();
    FItems.push_back(std::move(value));
    return Count() - 1;
}

void TServiceList::Delete(std::int32_t index) {
    if (index < 0 || index >= Count())
        throw EListIndexError("Invalid index " + std::to_string(index));
    FItems.erase(FItems.begin() + index);
}

void TServiceList::Clear() {
    FItems.clear();
}

void TServiceList::Resize(std::int32_t elementCount) {
    if (elementCount < 0)
        throw EListIndexError("Array index out of bounds (" + std::to_string(elementCount) + ").");
    Reserve(elementCount);
    const auto oldCount = FItems.size();
    FItems.resize(static_cast<std::size_t>(elementCount));
    for (std::size_t i = oldCount; i < FItems.size(); ++i)
        FItems[i] = std::make_unique<TService>();
}

void TServiceList::Assign(const TServiceList& source) {
    if (&source == this)
        return;
    Clear();
    Reserve(source.Count());
    for (const auto& item : source.FItems)
        if (item)
            Add().Assign(*item);
        else
            Add(nullptr);
}

void TServiceList::ReadFields(TValueReader& reader) {
    const std::int32_t count = reader.ReadInteger();
    // Every element takes at least its one flag byte.
    if (count < 0 || static_cast<std::size_t>(count) > reader.Remaining())
        throw ERemoteError("Stream read error");
    Clear();
    for (std::int32_t i = 0; i < count; ++i)
        Add(ReadService(reader));
}

void TServiceList::WriteFields(TValueWriter& writer) const {
    writer.WriteInteger(Count());
    for (const auto& item : FItems)
        WriteService(writer, item.get());
}

void TServiceList::CheckIndex(std::int32_t index) const {
    if (index < 0 || index >= Count())
        throw EListIndexError("Array index out of bounds (" + std::to_string(index) + ").");
}

void TServiceList::Reserve(std::int32_t capacity) {
    if (capacity <= FCapacity)
        return;
    FItems.reserve(static_cast<std::size_t>(capacity));
    FCapacity = capacity;
}

void TServiceList::GrowWhenFull() {
    if (Count() < FCapacity)
        return;
    const std::int32_t delta = FCapacity > 64 ? FCapacity / 4 : FCapacity > 8 ? 16 : 4;
    Reserve(FCapacity + delta);
}

} // namespace typ
