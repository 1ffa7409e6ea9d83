#pragma once
#include <cstdint>
#include <random>

// The integer part of r x n for a fraction 0 <= r < 1, kept below n even where r x n rounds up to
// it; 0 when n <= 0. For rules that take their fractions from a source of their own.
std::int64_t wholeBelow(double r, std::int64_t n);

// The program's one uniform generator. Without a reseed it gives the same sequence at every start.
class Random {
public:
    Random() { seed(DefaultSeed); }
    void seed(std::uint64_t value) { engine_.seed(value); }
    // Mixes a high-resolution clock into the state, so two reseeds in one second still differ.
    void reseedFromClock();
    // Next value in [0, 1).
    double Rnd();
    // A whole number in [0, n): the integer part of n x Rnd(); 0 when n <= 0.
    int below(int n);

    static constexpr std::uint64_t DefaultSeed = 0x7A0D12;

private:
    std::mt19937_64 engine_;
};
