#pragma once
#include <cstdint>
#include <random>

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
