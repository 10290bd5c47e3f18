#include "charconv/Windows1252.h"
#include "environment/Conversion.h"
#include "sysinfo/CommaText.h"
#include "sysinfo/SysClient.h"
#include "sysinfo/SysServer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <span>

// Any bytes as record texts of the service (read in Windows-1252): the first
// half is a client record, the second half the group its views fetch. Every
// property of every table is read (a malformed value may only raise the
// conversion error), the export options are listed, added to and rewritten,
// and comma lists survive being joined and split again.
namespace {

using namespace typ;

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void Converting(const std::function<void()>& read) {
    try {
        read();
    } catch (const EConvertError&) {
        return;
    }
}

void ReadAll(TSysInfo& record, std::span<const TSysProperty* const> table) {
    for (const TSysProperty* property : table)
        Converting([&] { PropertyText(record, *property); });
}

void CheckCommaRoundTrip(std::u16string_view text) {
    const std::vector<std::u16string> items = SplitCommaText(text);
    Check(SplitCommaText(JoinCommaText(items)) == items);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text =
        Windows1252Table().Decode(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::u16string record = text.substr(0, text.size() / 2);
    const std::u16string group = text.substr(text.size() / 2);
    CheckCommaRoundTrip(text);

    TSysClientW client(record, 0);
    client.SetOnDemandData([&](const std::u16string&, int) { return group; });
    for (const TSysProperty* property : SysClientKeys::All)
        Converting([&] { client.PropertyText(*property); });
    ReadAll(client.ConnectionInfo(), ConnectionInfoKeys::All);
    ReadAll(client.CUConfig(), CUConfigKeys::All);
    ReadAll(client.SysServiceLocation(), SysServiceLocationKeys::All);
    TSysExpOptions& options = client.SysExpOptions();
    const std::size_t count = options.Count();
    for (std::size_t i = 0; i < count; ++i) {
        TSysExpOption& option = options.SysExpOption(i);
        const std::u16string name = option.COM_Classname();
        option.SetDescription(group.substr(0, 8));
        Check(option.COM_Classname() == name);
    }
    options.Add(record.substr(0, 12));
    Check(options.Count() <= count + 1);
    client.SetCountryCode(group);
    Check(client.GetRawValue(u"CountryCode").ends_with(u"<S>"));

    TSysServerW server(group, 0);
    server.SetOnDemandData([&](const std::u16string&, int) { return record; });
    for (const TSysProperty* property : SysServerKeys::All)
        Converting([&] { server.PropertyText(*property); });
    TSysInfo merged(TSysInfo::MergeValues(record, group));
    ReadAll(merged, SysServerKeys::All);
    return 0;
}
