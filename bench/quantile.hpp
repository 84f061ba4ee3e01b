// The q-quantile of measured values, as the benchmarks report them (the nearest rank).
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

inline double quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5)];
}
