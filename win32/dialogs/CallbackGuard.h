#pragma once

#include <exception>
#include <functional>

namespace typ::win {

// Keeps an exception raised inside a dialog hook from crossing the platform's
// code: the hook stores it, the dialog is cancelled, and Execute raises it.
class TCallbackGuard {
public:
    // Runs `action`; false when it raised (the exception is kept).
    bool Run(const std::function<void()>& action) noexcept;
    bool HasPending() const { return static_cast<bool>(FPending); }
    // Raises the kept exception, if any, once.
    void RethrowPending();

private:
    std::exception_ptr FPending;
};

} // namespace typ::win
