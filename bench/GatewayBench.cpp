// The gateway's GetClient of the help path, from the stub's cache and through
// the whole round trip to the service double, and the typed read of every
// client property of a record.

#include "DoubleSeed.h"
#include "RunningService.h"
#include "SysInfoDouble.h"
#include "platform/ServiceState.h"
#include "sysinfo/SysInfoChannelFactory.h"
#include "sysinfo/TcpTransportChannel.h"
#include "sysinfo/VnSysInfoGateWay.h"
#include "sysinfo/VnSysInfoStub.h"

#include <benchmark/benchmark.h>

namespace {

using typ::bench::TRunningService;

// The double on loopback for the run of one benchmark.
class TBenchService {
public:
    TBenchService() {
        typ::SetServiceStateSource(&FRunning);
        typ::SetSysInfoChannelFactory(
            [port = FService.Port()] { return std::make_unique<typ::TTcpTransportChannel>(port); });
        typ::TVnSysInfoStub::ClearCaches();
    }
    ~TBenchService() {
        typ::TVnSysInfoGateWay::FreeSharedInstances();
        typ::TVnSysInfoStub::ClearCaches();
        typ::SetSysInfoChannelFactory({});
        typ::SetServiceStateSource(nullptr);
    }
    TBenchService(const TBenchService&) = delete;
    TBenchService& operator=(const TBenchService&) = delete;

private:
    TRunningService FRunning;
    typ::TSysInfoDouble FService;
};

const std::u16string kNumber(typ::kDoubleHLNumber);

void GetClientCacheHit(benchmark::State& state) {
    const TBenchService service;
    typ::TVnSysInfoGateWay::GetClient(kNumber);
    for (auto _ : state)
        benchmark::DoNotOptimize(typ::TVnSysInfoGateWay::GetClient(kNumber).SystemVersion());
}
BENCHMARK(GetClientCacheHit)->Unit(benchmark::kMicrosecond);

void GetClientCacheMiss(benchmark::State& state) {
    const TBenchService service;
    for (auto _ : state) {
        typ::TVnSysInfoStub::ClearCaches();
        benchmark::DoNotOptimize(typ::TVnSysInfoGateWay::GetClient(kNumber).SystemVersion());
    }
}
BENCHMARK(GetClientCacheMiss)->Unit(benchmark::kMicrosecond);

// Every typed property of a client record with the double's basic group (no
// handler: DictionaryCnxnStr reads what is there).
void ReadEveryClientProperty(benchmark::State& state) {
    typ::TSysClient client(typ::dbl::kSeedClient[0], 0);
    for (auto _ : state)
        for (const typ::TSysProperty* property : typ::SysClientKeys::All)
            benchmark::DoNotOptimize(client.PropertyText(*property));
    state.SetItemsProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::size(typ::SysClientKeys::All)));
}
BENCHMARK(ReadEveryClientProperty)->Unit(benchmark::kMicrosecond);

} // namespace
