#pragma once

#include <string>
#include <vector>

namespace typ {

// How the process was started, decided once from its command line.
enum class TStartMode { Standalone, Automation, Register, Unregister };

struct TStartOptions {
    TStartMode Mode = TStartMode::Standalone;
    // Registration entries go under the current user's classes instead of the
    // machine-wide classes root.
    bool PerUser = false;
    bool operator==(const TStartOptions&) const = default;
};

// Recognises "-NAME" or "/NAME" in any argument, NAME compared without regard to
// case. The switches are tried in a fixed order and the first one present
// decides, so "/Embedding /RegServer" starts in automation mode.
TStartOptions DecideStartMode(const std::vector<std::u16string>& arguments);

} // namespace typ
