#include "sysinfo/SysInfoServiceCheck.h"

#include "charconv/UnicodeBytes.h"
#include "environment/StrUtils.h"
#include "logging/ManagedLogFile.h"
#include "platform/Clock.h"
#include "platform/ServiceState.h"
#include "sysinfo/ServicesIni.h"

namespace typ {
namespace {

// The state is asked this many times at most while the service is stopped.
constexpr int kMaxQueries = 4;
// The longest wait between queries: the editor's only thread waits, so a
// mistyped setting must not freeze it for hours.
constexpr int kMaxWait = 60 * 1000;

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
    if (!GetServiceState(u"", kSysInfoServiceName, state))
        Raise(kNotReadable);
    return state;
}

// The check must not fail because of its log: a log that cannot be written
// loses the line.
void LogTech(const std::u16string& text) {
    try {
        TManagedLogFile::Write(ltTech, text);
    } catch (const std::exception&) {
        return;
    }
}

// The configured wait, at most kMaxWait; a capped value is logged.
int ReattemptsWait() {
    const int wait = ReadReattemptsSleep();
    if (wait <= kMaxWait)
        return wait;
    LogTech(u"ReattemptsSleep de " + ServicesIniPath() + u" (" + IntToStr(wait / 1000) +
            u" s) supera el m\u00e1ximo; se esperan " + IntToStr(kMaxWait / 1000) + u" s");
    return kMaxWait;
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
        if (wait == 0)
            wait = ReattemptsWait();
        if (wait > 0)
            Clock().Sleep(wait);
        if (query == kMaxQueries)
            break;
        state = QueryState();
    }
    const std::u16string name = ServiceStateName(state);
    if (!name.empty())
        Raise(ReplaceAll(kNotRunning, u"%s", name));
}

} // namespace typ
