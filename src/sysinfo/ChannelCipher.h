#pragma once

#include "sysinfo/Bytes.h"
#include "sysinfo/Des.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace typ {

// The key both ends of the system-information channel share, as 32
// hexadecimal digits.
inline constexpr std::string_view kChannelKey = "7C41E0B95D2A86F31B9E4C07A5D36F28";

// K1, K2 and K3 of the block cipher, eight bytes each.
using TChannelCipherKey = std::array<std::uint8_t, 24>;

// The channel key's sixteen bytes followed by eight zero bytes (so K3 is zero).
TChannelCipherKey ChannelCipherKey();

// The channel's cipher: a triple-DES construction on 24-byte blocks in a
// feedback mode without padding, the output exactly as long as the input.
// Every message starts from a fresh feedback state, so one object serves any
// number of messages, from any thread.
class TChannelCipher {
public:
    explicit TChannelCipher(const TChannelCipherKey& key);

    TBytes Encipher(const TBytes& message) const;
    TBytes Decipher(const TBytes& enciphered) const;

private:
    // A 24-byte block as its three 8-byte sub-blocks, each read big-endian.
    using TBlock = std::array<std::uint64_t, 3>;

    TBlock EncryptBlock(TBlock block) const;
    TBlock DecryptBlock(TBlock block) const;
    TBytes Process(const TBytes& input, bool encipher) const;

    TDes FK1;
    TDes FK2;
    TDes FK3;
};

// The cipher under the channel key, its key schedules made once per process.
const TChannelCipher& ChannelCipher();

} // namespace typ
