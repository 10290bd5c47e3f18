#include "Figures.h"

#include <algorithm>
#include <cmath>

namespace typ::bench {

TFigures Summarise(std::vector<double> samples) {
    if (samples.empty())
        return {};
    std::sort(samples.begin(), samples.end());
    const std::size_t count = samples.size();
    const double median =
        count % 2 == 1 ? samples[count / 2] : (samples[count / 2 - 1] + samples[count / 2]) / 2;
    const auto rank = static_cast<std::size_t>(std::ceil(0.9 * static_cast<double>(count)));
    return {median, samples[std::max<std::size_t>(rank, 1) - 1]};
}

} // namespace typ::bench
