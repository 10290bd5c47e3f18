#include "platform/ServiceState.h"

namespace typ {
namespace {

// There is no service control manager here: no service's state can be read,
// which callers treat like a service that is not installed.
class TPosixServiceStateSource final : public TServiceStateSource {
public:
    bool GetServiceState(const std::u16string&, const std::u16string&,
                         std::uint8_t& State) const override {
        State = kServiceStateUnknown;
        return false;
    }
};

} // namespace

TServiceStateSource& SystemServiceStateSource() {
    static TPosixServiceStateSource source;
    return source;
}

} // namespace typ
