#pragma once

#include "environment/VnApplication.h"

namespace typ::win {

// The helper's window operations on this process's top-level windows.
class TWin32ApplicationWindows final : public TApplicationWindows {
public:
    // Installs itself as the helper's window operations for its lifetime.
    TWin32ApplicationWindows();
    ~TWin32ApplicationWindows() override;
    TWin32ApplicationWindows(const TWin32ApplicationWindows&) = delete;
    TWin32ApplicationWindows& operator=(const TWin32ApplicationWindows&) = delete;

    void BringToFront(std::uintptr_t Handle) override;
    void Minimize() override;
    void Restore() override;
};

// Whether the process runs in a remote session.
bool IsTerminalServer();
// "IsWow64Process" looked up in kernel32 at run time and asked for this process.
TWow64Answer ReadWow64Answer();

} // namespace typ::win
