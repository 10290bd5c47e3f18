#pragma once

#include "sysinfo/ComplexValue.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace typ {

// Classes of complex values by name, each with the name of the class it
// derives from, so that a reader can create what a stream names.
class TClassRegistry {
public:
    using TFactory = std::function<std::unique_ptr<TComplexValue>()>;

    // `parent` is empty for a class that derives from no registered class.
    void Register(std::string name, std::string parent, TFactory factory);

    // True when `name` is `ancestor` or derives from it through the registry.
    bool DescendsFrom(std::string_view name, std::string_view ancestor) const;

    // A new object of class `name`, which must be `expected` or derive from it.
    // Throws ERemoteError "Unknown class \"%s\" found in stream." or
    // "Unexpected class found in stream; class \"%s\" does not descend from \"%s\".".
    std::unique_ptr<TComplexValue> Create(std::string_view name, std::string_view expected) const;

private:
    struct TEntry {
        std::string Parent;
        TFactory Factory;
    };

    std::map<std::string, TEntry, std::less<>> FEntries;
};

} // namespace typ
