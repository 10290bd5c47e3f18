#include "DoubleHandlers.h"
#include "sysinfo/ContractValues.h"

#include <map>

namespace typ::dbl {
namespace {

void Respond(TBinaryMessage& message, const TMessageNames& names) {
    message.InitializeResponse(names.Interface, names.Message);
}

// Two services of the installation: the information service, started with
// the system, and a dictionary service started on demand.
void GetServices(TDoubleStore&, TBinaryMessage& message, const TMessageNames& names) {
    TServiceList list;
    TService& information = list.Add();
    information.Name = u"VnSysInfoService";
    information.Start = true;
    TService& dictionary = list.Add();
    dictionary.Name = u"VnDictionaryService";
    dictionary.Start = false;
    Respond(message, names);
    message.Writer().WriteBoolean(true);
    WriteServiceList(message.Writer(), &list);
}

void InterruptServices(TDoubleStore& store, TBinaryMessage& message, const TMessageNames& names) {
    store.SetInterrupted(true);
    Respond(message, names);
}

void ReleaseServices(TDoubleStore& store, TBinaryMessage& message, const TMessageNames& names) {
    store.SetInterrupted(false);
    Respond(message, names);
}

void ServicesInterrupted(TDoubleStore& store, TBinaryMessage& message, const TMessageNames& names) {
    Respond(message, names);
    message.Writer().WriteBoolean(store.Interrupted());
}

} // namespace

THandler SvcSysAdminHandler(std::string_view method) {
    static const std::map<std::string_view, THandler> handlers{
        {"GetServices", GetServices},
        {"InterruptServices", InterruptServices},
        {"ReleaseServices", ReleaseServices},
        {"ServicesInterrupted", ServicesInterrupted},
    };
    const auto found = handlers.find(method);
    return found == handlers.end() ? nullptr : found->second;
}

} // namespace typ::dbl
