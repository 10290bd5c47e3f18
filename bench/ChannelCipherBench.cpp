#include "sysinfo/ChannelCipher.h"

#include <benchmark/benchmark.h>

namespace typ {
namespace {

TBytes Message(std::size_t length) {
    TBytes bytes(length);
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return bytes;
}

// One message enciphered and deciphered; the rate counts the message once.
void BM_EncipherDecipher(benchmark::State& state) {
    const TBytes message = Message(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const TBytes back = ChannelCipher().Decipher(ChannelCipher().Encipher(message));
        benchmark::DoNotOptimize(back.data());
        if (back != message)
            state.SkipWithError("the message did not survive the round trip");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_EncipherDecipher)->Arg(64 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);

void BM_Encipher(benchmark::State& state) {
    const TBytes message = Message(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ChannelCipher().Encipher(message).data());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_Encipher)->Arg(64 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace typ
