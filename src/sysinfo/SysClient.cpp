#include "sysinfo/SysClient.h"

namespace typ {

TConnectionInfo& TSysClient::ConnectionInfo() {
    if (!FConnectionInfo)
        FConnectionInfo = std::make_unique<TConnectionInfo>(Lines());
    return *FConnectionInfo;
}

std::u16string TSysClient::PropertyText(const TSysProperty& property) {
    if (&property == &SysClientKeys::DictionaryCnxnStr)
        return DictionaryCnxnStr();
    return typ::PropertyText(*this, property);
}

} // namespace typ
