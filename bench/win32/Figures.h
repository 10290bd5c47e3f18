#pragma once

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

} // namespace typ::bench
