#pragma once

#include "DoubleOptions.h"

#include <string>
#include <vector>

namespace typ::dbl {

// The Windows service the double stands in for.
inline constexpr wchar_t kDoubleServiceName[] = L"VnSysInfoService";

// Serves as the service the service manager started: reports START_PENDING
// (for the start delay and more), then RUNNING once listening; pause closes every connection
// unanswered until continue; stop ends it with STOPPED. Returns when stopped; false when the
// process was not started by the service manager.
bool RunDoubleService(const TDoubleOptions& options);

// Registers this program as the service (own process, demand start), started
// with "--service" and the serving arguments. Throws std::runtime_error.
void InstallDoubleService(const std::vector<std::string>& servingArguments);

// Stops the service when it runs, then deletes it. Throws std::runtime_error.
void UninstallDoubleService();

} // namespace typ::dbl
