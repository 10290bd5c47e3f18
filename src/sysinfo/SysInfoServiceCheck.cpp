#include "sysinfo/SysInfoServiceCheck.h"

#include "charconv/UnicodeBytes.h"
#include "environment/StrUtils.h"
#include "platform/Clock.h"
#include "platform/ServiceState.h"
#include "sysinfo/ServicesIni.h"

namespace typ {
namespace {

// The state is asked this many times at most while the service is stopped.
constexpr int kMaxQueries = 4;

const std::u16string kNotReadable =
    u"No fue posible evaluar el estado del Servicio de Informaci\u00f3n del Sistema. \r\n"
    u"Es necesario instalar y activar el servicio para que esta aplicaci\u00f3n funcione \r\n"
    u"adecuadamente.";
const std::u16string kNotRunning =
    u"El Servicio de Informaci\u00f3n del Sistema se encuentra en estado %s. \r\n"
    u"Es necesario activar el servicio para que esta aplicaci\u00f3n funcione adecuadamente.";

[[noreturn]] void Raise(const std::u16string& message) {
    throw ESysInfoServiceState(EncodeUtf8(message));
}

std::uint8_t QueryState() {
    std::uint8_t state = kServiceStateUnknown;
    if (!GetServiceState(u"", kSysInfoServiceName, state)) {
        Raise(kNotReadable);
    }
    return state;
}

} // namespace

std::u16string ServiceStateName(std::uint8_t state) {
    switch (state) {
    case kServiceStopped:
        return u"detenido";
    case kServiceStartPending:
        return u"pendiente de inicio";
    case kServiceStopPending:
        return u"pendiente de detenerse";
    case kServiceRunning:
        return u"";
    case kServiceContinuePending:
        return u"pendiente de continuar";
    case kServicePausePending:
        return u"pendiente de pausado";
    case kServicePaused:
        return u"pausado";
    default:
        return u"desconocido";
    }
}

void CheckSysInfoService() {
    int wait = 0;
    std::uint8_t state = QueryState();
    // Only a stopped service is waited for; after the last wait it is not
    // asked again.
    for (int query = 1; state == kServiceStopped; ++query) {
        if (wait == 0) {
            wait = ReadReattemptsSleep();
        }
        if (wait > 0) {
            Clock().Sleep(wait);
        }
        if (query == kMaxQueries) {
            break;
        }
        state = QueryState();
    }
    const std::u16string name = ServiceStateName(state);
    if (!name.empty()) {
        Raise(ReplaceAll(kNotRunning, u"%s", name));
    }
}

} // namespace typ
