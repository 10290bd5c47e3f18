#include "sysinfo/SysServer.h"

namespace typ {

std::u16string TSysServer::PropertyText(const TSysProperty& property) {
    if (&property == &SysServerKeys::DictionaryCnxnStr)
        return DictionaryCnxnStr();
    return typ::PropertyText(*this, property);
}

} // namespace typ
