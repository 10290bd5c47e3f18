#pragma once

#include <map>
#include <string>

namespace typ {

// Records the service returned, kept for 60 seconds under a key compared
// without regard to letter case. Each value is held as the hexadecimal of the
// record's ANSI (Windows-1252) bytes followed by "LastRead=" and the time of
// storing in days; the time comes from Clock().
class TSysInfoCache {
public:
    // The record stored under the key while it is fresh, else empty; a stale
    // entry is deleted.
    std::u16string Lookup(const std::u16string& key);
    // Replaces the entry of the key; a failure record ("SysInfoException"
    // anywhere) only removes it.
    void Store(const std::u16string& key, const std::u16string& text);
    void Delete(const std::u16string& key);
    void Clear();

private:
    // Values by lower-case key.
    std::map<std::u16string, std::u16string> FEntries;
};

} // namespace typ
