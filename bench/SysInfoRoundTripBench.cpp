// One uncached GetClient of the stub to the service double on loopback: the
// whole round trip of a help request that misses the cache (service state,
// new channel, enciphered request, TCP, response).

#include "RunningService.h"
#include "SysInfoDouble.h"
#include "platform/ServiceState.h"
#include "sysinfo/SysInfoChannelFactory.h"
#include "sysinfo/TcpTransportChannel.h"
#include "sysinfo/VnSysInfoStub.h"

#include <benchmark/benchmark.h>

namespace {

using typ::bench::TRunningService;

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
