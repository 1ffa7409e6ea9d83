#pragma once
#include <algorithm>
#include <vector>

// The middle of a set of timings: one slow run from a busy machine does not move it.
inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
