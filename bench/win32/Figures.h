#pragma once

#include <chrono>
#include <vector>

namespace typ::bench {

// The samples of one scenario: the times seen and how many keys never
// changed the strip.
struct TSamples {
    std::vector<double> Ms;
    int Missed = 0;
};

struct TFigures {
    double Median = 0;
    double P90 = 0;
};

// Median and 90th percentile (nearest rank); zeros without samples.
TFigures Summarise(std::vector<double> samples);

// How long the action takes, in milliseconds of the steady clock.
template <typename TAction> double Milliseconds(TAction action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace typ::bench
