#include "dialogs/CallbackGuard.h"

#include <utility>

namespace typ::win {

bool TCallbackGuard::Run(const std::function<void()>& action) noexcept {
    try {
        action();
        return true;
    } catch (...) {
        if (!FPending)
            FPending = std::current_exception();
        return false;
    }
}

void TCallbackGuard::RethrowPending() {
    if (FPending)
        std::rethrow_exception(std::exchange(FPending, nullptr));
}

} // namespace typ::win
