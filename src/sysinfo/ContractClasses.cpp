#include "sysinfo/ContractClasses.h"

#include "sysinfo/Service.h"
#include "sysinfo/ServiceList.h"

namespace typ {
namespace {

TClassRegistry BuildContractClasses() {
    TClassRegistry registry;
    registry.Register(
        std::string(TService::kClassName), "", [] { return std::make_unique<TService>(); });
    registry.Register(std::string(TServiceList::kClassName), "",
                      [] { return std::make_unique<TServiceList>(); });
    return registry;
}

} // namespace

const TClassRegistry& ContractClasses() {
    static const TClassRegistry registry = BuildContractClasses();
    return registry;
}

} // namespace typ
