#pragma once

#include <cstddef>

#ifdef _WIN32
#include <windows.h>
// psapi.h needs the types of windows.h first.
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace typ::test {

// The most memory this process has held resident so far, in bytes.
inline std::size_t PeakMemoryBytes() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<std::size_t>(usage.ru_maxrss) * 1024; // kilobytes on Linux
#endif
}

} // namespace typ::test
