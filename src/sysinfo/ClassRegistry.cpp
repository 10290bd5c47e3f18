#include "sysinfo/ClassRegistry.h"

#include "sysinfo/PeerText.h"
#include "sysinfo/RemoteError.h"

namespace typ {

void TClassRegistry::Register(std::string name, std::string parent, TFactory factory) {
    FEntries.insert_or_assign(std::move(name), TEntry{std::move(parent), std::move(factory)});
}

bool TClassRegistry::DescendsFrom(std::string_view name, std::string_view ancestor) const {
    // Bounded by the registry's size so that a parent cycle cannot loop forever.
    for (std::size_t steps = 0; steps <= FEntries.size(); ++steps) {
        if (name == ancestor)
            return true;
        const auto entry = FEntries.find(name);
        if (entry == FEntries.end() || entry->second.Parent.empty())
            return false;
        name = entry->second.Parent;
    }
    return false;
}

std::unique_ptr<TComplexValue> TClassRegistry::Create(std::string_view name,
                                                      std::string_view expected) const {
    const auto entry = FEntries.find(name);
    if (entry == FEntries.end())
        throw ERemoteError("Unknown class \"" + ValidUtf8(name) + "\" found in stream.");
    if (!DescendsFrom(name, expected))
        throw ERemoteError("Unexpected class found in stream; class \"" + ValidUtf8(name) +
                           "\" does not descend from \"" + std::string(expected) + "\".");
    return entry->second.Factory();
}

} // namespace typ
