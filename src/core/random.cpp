#include "core/random.h"

#include <algorithm>
#include <chrono>
#include <cmath>

void Random::reseedFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                      static_cast<std::uint32_t>(engine_()), static_cast<std::uint32_t>(engine_() >> 32)};
    engine_.seed(seq);
}

double Random::Rnd() {
    // 53 random bits: every double in [0, 1) on an even grid, never 1.
    return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0);
}

int Random::below(int n) {
    return static_cast<int>(wholeBelow(Rnd(), n));
}

std::int64_t wholeBelow(double r, std::int64_t n) {
    if (n <= 0) return 0;
    const auto k = static_cast<std::int64_t>(std::floor(r * static_cast<double>(n)));
    return std::clamp<std::int64_t>(k, 0, n - 1);
}
