#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace typ {

// A list of installations as the service writes it: text lines, not a typed
// record. Any occurrence of "SysInfoException" makes it an error list.
class TSysInfoList {
public:
    explicit TSysInfoList(std::u16string_view text);

    const std::vector<std::u16string>& Lines() const { return FLines; }
    bool ThereIsException() const { return FThereIsException; }
    // The value of the key "SysInfoException"; empty when no line has it.
    std::u16string ExceptionText() const;

private:
    std::vector<std::u16string> FLines;
    bool FThereIsException;
};

class TSysClients : public TSysInfoList {
public:
    using TSysInfoList::TSysInfoList;
    const std::vector<std::u16string>& Clients() const { return Lines(); }
};

class TSysServers : public TSysInfoList {
public:
    using TSysInfoList::TSysInfoList;
    const std::vector<std::u16string>& Servers() const { return Lines(); }
};

} // namespace typ
