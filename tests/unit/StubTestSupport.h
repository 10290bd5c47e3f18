#pragma once

// Shared by the tests of the system-information stub: a scripted service
// state, a clock that records waits instead of sleeping, and a service that
// answers in process through the stub's channel factory.

#include "platform/Clock.h"
#include "platform/ServiceState.h"
#include "sysinfo/BinaryMessage.h"
#include "sysinfo/ChannelEnvelope.h"
#include "sysinfo/RemoteError.h"
#include "sysinfo/SysInfoChannelFactory.h"
#include "sysinfo/VnSysInfoStub.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace typ::test {

// What a text operation of the stub answers when the service's state cannot be
// read, and when the service is in another state than running.
inline const std::u16string kNotReadableResult =
    u"SysInfoException=No fue posible evaluar el estado del Servicio de Informaci\u00f3n del "
    u"Sistema. Es necesario instalar y activar el servicio para que esta aplicaci\u00f3n "
    u"funcione adecuadamente.";

inline std::u16string NotRunningResult(const std::u16string& state) {
    return u"SysInfoException=El Servicio de Informaci\u00f3n del Sistema se encuentra en estado " +
           state +
           u". Es necesario activar el servicio para que esta aplicaci\u00f3n funcione "
           u"adecuadamente.";
}

// Service states answered in order, the last one for good; none stands for a
// service whose state cannot be read. OnQuery runs before each answer.
class TFakeServiceState final : public TServiceStateSource {
public:
    explicit TFakeServiceState(std::vector<std::optional<std::uint8_t>> script)
        : FScript(std::move(script)) {
        SetServiceStateSource(this);
    }
    ~TFakeServiceState() override { SetServiceStateSource(nullptr); }
    TFakeServiceState(const TFakeServiceState&) = delete;
    TFakeServiceState& operator=(const TFakeServiceState&) = delete;

    bool GetServiceState(const std::u16string& MachineName, const std::u16string& ServiceName,
                         std::uint8_t& State) const override {
        Asked.push_back(MachineName + u"|" + ServiceName);
        if (OnQuery) {
            OnQuery(static_cast<int>(Asked.size()));
        }
        const auto& answer = FScript[std::min(Asked.size(), FScript.size()) - 1];
        State = answer.value_or(0);
        return answer.has_value();
    }

    std::function<void(int query)> OnQuery;
    // "machine|service" of every query.
    mutable std::vector<std::u16string> Asked;

private:
    std::vector<std::optional<std::uint8_t>> FScript;
};

// A clock at a settable time whose waits are recorded, not slept.
class TRecordingClock final : public TClock {
public:
    TRecordingClock() { SetClock(this); }
    explicit TRecordingClock(TDateTime now) : FNow(now) { SetClock(this); }
    ~TRecordingClock() override { SetClock(nullptr); }
    TRecordingClock(const TRecordingClock&) = delete;
    TRecordingClock& operator=(const TRecordingClock&) = delete;

    TDateTime Now() const override { return FNow; }
    void Sleep(int milliseconds) const override { Waits.push_back(milliseconds); }

    // Moves by seconds (back when negative) within the day the clock starts on.
    void Advance(int seconds) {
        const int total = (FNow.Hour * 60 + FNow.Minute) * 60 + FNow.Second + seconds;
        FNow.Hour = total / 3600;
        FNow.Minute = total / 60 % 60;
        FNow.Second = total % 60;
    }

    mutable std::vector<int> Waits;

private:
    TDateTime FNow{2024, 3, 15, 10, 59, 30, 250};
};

// The service as the stub's channels reach it, answering in this process.
// Handlers by method name read the request's values and write the response's;
// a method without one answers an exception response. Failure, when set, is
// raised by every channel as the transport's error.
class TInProcessService {
public:
    using THandler = std::function<void(TValueReader& request, TValueWriter& response)>;

    TInProcessService() {
        SetSysInfoChannelFactory([this] {
            ++Channels;
            return std::make_unique<TChannel>(*this);
        });
    }
    ~TInProcessService() { SetSysInfoChannelFactory({}); }
    TInProcessService(const TInProcessService&) = delete;
    TInProcessService& operator=(const TInProcessService&) = delete;

    int CallsOf(const std::string& method) const {
        const auto found = Calls.find(method);
        return found == Calls.end() ? 0 : found->second;
    }

    std::map<std::string, THandler> Handlers;
    std::optional<std::string> Failure;
    std::map<std::string, int> Calls;
    int Channels = 0;

private:
    class TChannel final : public TTransportChannel {
    public:
        explicit TChannel(TInProcessService& service) : FService(service) {}

        TBytes Dispatch(const TBytes& payload) override {
            if (FService.Failure) {
                throw ERemoteError(*FService.Failure);
            }
            TBinaryMessage message;
            message.Decode(UnwrapEnvelope(payload));
            const TMessageNames names = message.ReadNames();
            ++FService.Calls[names.Message];
            const auto handler = FService.Handlers.find(names.Message);
            if (handler == FService.Handlers.end()) {
                message.InitializeException("EDoubleError", "sin respuesta para " + names.Message);
            } else {
                TValueReader request = message.Reader();
                message.InitializeResponse(names.Interface, names.Message);
                handler->second(request, message.Writer());
            }
            return WrapEnvelope(message.Encode());
        }

    private:
        TInProcessService& FService;
    };
};

} // namespace typ::test
