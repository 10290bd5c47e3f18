#include "platform/ServiceState.h"
#include "platform/WideText.h"

#include <windows.h>
#include <memory>
#include <type_traits>

namespace typ {
namespace {

struct TServiceHandleCloser {
    void operator()(SC_HANDLE handle) const { CloseServiceHandle(handle); }
};
// Closes the handle on every path out of the query.
using TServiceHandle = std::unique_ptr<std::remove_pointer_t<SC_HANDLE>, TServiceHandleCloser>;

class TWin32ServiceStateSource final : public TServiceStateSource {
public:
    bool GetServiceState(const std::u16string& MachineName, const std::u16string& ServiceName,
                         std::uint8_t& State) const override {
        State = kServiceStateUnknown;
        const TServiceHandle manager(
            OpenSCManagerW(MachineName.empty() ? nullptr : win::Wide(MachineName).c_str(), nullptr,
                           SC_MANAGER_CONNECT));
        if (!manager)
            return false;
        const TServiceHandle service(
            OpenServiceW(manager.get(), win::Wide(ServiceName), SERVICE_QUERY_STATUS));
        if (!service)
            return false;
        SERVICE_STATUS status{};
        if (!QueryServiceStatus(service.get(), &status))
            return false;
        State = ServiceStateFromPlatform(status.dwCurrentState);
        return true;
    }
};

} // namespace

TServiceStateSource& SystemServiceStateSource() {
    static TWin32ServiceStateSource source;
    return source;
}

} // namespace typ
