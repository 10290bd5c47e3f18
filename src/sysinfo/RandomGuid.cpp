#include "sysinfo/RandomGuid.h"

#include <cstdint>
#include <random>

namespace typ {
namespace {

// Seeded once per thread from the system's entropy source, so that every
// thread draws its own sequence without a lock.
std::mt19937_64& Generator() {
    thread_local std::mt19937_64 generator = [] {
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device()};
        return std::mt19937_64(seed);
    }();
    return generator;
}

} // namespace

TGuid NewRandomGuid() {
    const std::uint64_t high = Generator()();
    const std::uint64_t low = Generator()();
    TGuid guid;
    guid.Data1 = static_cast<std::uint32_t>(high >> 32);
    guid.Data2 = static_cast<std::uint16_t>(high >> 16);
    guid.Data3 = static_cast<std::uint16_t>((high & 0x0FFFu) | 0x4000u);
    for (std::size_t i = 0; i < guid.Data4.size(); ++i)
        guid.Data4[i] = static_cast<std::uint8_t>(low >> (8 * i));
    guid.Data4[0] = static_cast<std::uint8_t>((guid.Data4[0] & 0x3Fu) | 0x80u);
    return guid;
}

} // namespace typ
