#pragma once
#include <QtGlobal>
#include <exception>
#include <limits>

class Random;

// Thrown when a sheet has used up its draws: the rejection loops of a kind can't go on forever.
class DrawLimitReached : public std::exception {
public:
    const char* what() const noexcept override { return "draw limit reached"; }
};

// The draws of one sheet. Every value taken from the generator counts against a budget far above
// what any kind needs, so a loop that draws until a test holds always ends.
class Draws {
public:
    static constexpr qint64 DefaultBudget = 2'000'000;

    explicit Draws(Random& random, qint64 budget = DefaultBudget) : random_(random), left_(budget) {}

    // The integer part of r x k, drawn again at once while it is below low or above high.
    int number(int k, int low, int high = std::numeric_limits<int>::max());

private:
    Random& random_;
    qint64 left_;
};
