#pragma once
#include <algorithm>
#include <cstddef>
#include <vector>

// A source of random fractions for rules that draw: these fractions in turn, then the last one
// for ever; counts its calls.
struct Fractions {
    std::vector<double> values;
    size_t calls = 0;
    double operator()() {
        const double r = values[std::min(calls, values.size() - 1)];
        ++calls;
        return r;
    }
};
