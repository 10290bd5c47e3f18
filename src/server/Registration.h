#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace typ {

// What the class registration writes, each GUID already in its text form.
struct TClassRegistration {
    std::u16string Clsid;
    std::u16string Description;
    std::u16string ProgId;
    // The server's file name as the registry must hold it (see RegisteredServerPath).
    std::u16string ServerPath;
    std::u16string Version;
    std::u16string LibId;
};

// One key under the classes root, with its default (unnamed) string value.
struct TRegistryEntry {
    std::u16string Key;
    std::u16string Value;
    bool operator==(const TRegistryEntry&) const = default;
};

// The classes root's prefix: "" under the machine-wide classes root, or
// "Software\Classes\" under the current user's root.
std::u16string_view ClassesPrefix(bool perUser);

// "Server.Class": the type library's name, a dot and the class name.
std::u16string ProgIdOf(std::u16string_view serverName, std::u16string_view className);

// The class key's "Version" value: decimal major and minor, "1.0".
std::u16string ClassVersionText(int major, int minor);

// The keys to write, in the order they are created.
std::vector<TRegistryEntry> RegistrationEntries(const TClassRegistration& registration,
                                                std::u16string_view prefix);

// The keys to delete, children before their parents.
std::vector<std::u16string> UnregistrationKeys(const TClassRegistration& registration,
                                               std::u16string_view prefix);

// The platform converts the name itself; a name with a blank is registered in its
// short form, so that a command line built from it needs no quotes.
bool NeedsShortPath(std::u16string_view fileName);

// The locale-neutral alias of a registered type library
// ("TypeLib\{LIBID}\1.0\0\win64"): some activation layers only look there.
// Its version is in hexadecimal, as type-library keys are.
std::u16string TypeLibAliasKey(std::u16string_view prefix, std::u16string_view libId, int major,
                               int minor, bool win64);
// The alias's locale key, removed with the alias.
std::u16string TypeLibAliasLocaleKey(std::u16string_view prefix, std::u16string_view libId,
                                     int major, int minor);

} // namespace typ
