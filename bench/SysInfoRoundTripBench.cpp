// One uncached GetClient of the stub to the service double on loopback: the
// whole round trip of a help request that misses the cache (service state,
// new channel, enciphered request, TCP, response).

#include "SysInfoDouble.h"
#include "platform/ServiceState.h"
#include "sysinfo/SysInfoChannelFactory.h"
#include "sysinfo/TcpTransportChannel.h"
#include "sysinfo/VnSysInfoStub.h"

#include <benchmark/benchmark.h>

namespace {

class TRunningService final : public typ::TServiceStateSource {
public:
    bool GetServiceState(const std::u16string&, const std::u16string&,
                         std::uint8_t& State) const override {
        State = typ::kServiceRunning;
        return true;
    }
};

void GetClientRoundTrip(benchmark::State& state) {
    TRunningService running;
    typ::SetServiceStateSource(&running);
    typ::TSysInfoDouble service;
    typ::SetSysInfoChannelFactory(
        [port = service.Port()] { return std::make_unique<typ::TTcpTransportChannel>(port); });
    const std::u16string number(typ::kDoubleHLNumber);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            typ::TVnSysInfoStub::GetClient(number, typ::TClientDataOption::cdoServicesLocation));
    }
    typ::SetSysInfoChannelFactory({});
    typ::SetServiceStateSource(nullptr);
}
BENCHMARK(GetClientRoundTrip)->Unit(benchmark::kMicrosecond);

} // namespace
