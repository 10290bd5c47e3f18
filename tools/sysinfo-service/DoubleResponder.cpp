#include "DoubleResponder.h"

#include "DoubleFailure.h"
#include "DoubleHandlers.h"
#include "sysinfo/BinaryMessage.h"
#include "sysinfo/ChannelEnvelope.h"
#include "sysinfo/ServerException.h"
#include "sysinfo/SysInfoContract.h"

#include <string>

namespace typ::dbl {
namespace {

THandler FindHandler(const TMessageNames& names) {
    if (names.Interface == ISvr_SysInfo::InterfaceName)
        return SvrSysInfoHandler(names.Message);
    if (names.Interface == ISvc_SysAdmin::InterfaceName)
        return SvcSysAdminHandler(names.Message);
    return nullptr;
}

void Serve(TDoubleStore& store, TBinaryMessage& message, bool failEveryCall) {
    const TMessageNames names = message.ReadNames();
    store.CountCall(names.Message);
    const THandler handler = FindHandler(names);
    if (!handler)
        throw std::runtime_error("Unknown method " + names.Interface + "." + names.Message);
    if (failEveryCall)
        throw EDoubleFailure("Fallo provocado en " + names.Message);
    handler(store, message, names);
}

} // namespace

TBytes AnswerRequest(TDoubleStore& store, const TBytes& payload, bool failEveryCall) {
    TBinaryMessage message;
    try {
        message.Decode(UnwrapEnvelope(payload));
        Serve(store, message, failEveryCall);
    } catch (const EDoubleFailure& failure) {
        message.InitializeException(kDoubleExceptionClass, failure.what());
    } catch (const std::exception& error) {
        message.InitializeException(kTransportExceptionClass, error.what());
    }
    return message.Encode();
}

} // namespace typ::dbl
