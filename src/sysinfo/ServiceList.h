#pragma once

#include "sysinfo/ComplexValue.h"
#include "sysinfo/Service.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

namespace typ {

// An index outside the list.
class EListIndexError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The array of Service that GetServices returns. The list owns its elements;
// a place may be empty (no Service), as an absent element in the stream is.
// A negative index is treated as one beyond the end: it raises the same error,
// so no index can reach outside the storage.
class TServiceList : public TComplexValue {
public:
    static constexpr std::string_view kClassName = "ServiceList";

    TServiceList() = default;
    TServiceList(const TServiceList&) = delete;
    TServiceList& operator=(const TServiceList&) = delete;

    std::int32_t Count() const { return static_cast<std::int32_t>(FItems.size()); }
    // Places reserved; grows by a quarter above 64, by 16 above 8, else by 4.
    std::int32_t Capacity() const { return FCapacity; }

    // The element at the index, null for an empty place. Raises
    // "Array index out of bounds (<index>)." outside 0..Count-1.
    TService* Items(std::int32_t index) const;
    // Replaces (and frees) the element at the index; same range rule.
    void SetItems(std::int32_t index, std::unique_ptr<TService> value);

    // Appends a new empty Service and returns it.
    TService& Add();
    // Appends the element (null leaves an empty place) and returns its index.
    std::int32_t Add(std::unique_ptr<TService> value);
    // Frees the element and closes the gap; "Invalid index <index>" outside
    // 0..Count-1.
    void Delete(std::int32_t index);
    void Clear();
    // Frees the elements beyond the count, fills new places with empty
    // Service elements. A negative count raises like an index out of bounds.
    void Resize(std::int32_t elementCount);
    // A deep copy: the same elements in new objects, empty places kept empty.
    void Assign(const TServiceList& source);

    std::string_view ClassName() const override { return kClassName; }
    // The element count, then every element as a structure; an element count
    // beyond the bytes that remain raises "Stream read error" before any
    // element is read.
    void ReadFields(TValueReader& reader) override;
    void WriteFields(TValueWriter& writer) const override;

private:
    void CheckIndex(std::int32_t index) const;
    void Reserve(std::int32_t capacity);
    void GrowWhenFull();

    std::vector<std::unique_ptr<TService>> FItems;
    std::int32_t FCapacity = 0;
};

} // namespace typ
