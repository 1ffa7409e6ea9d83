#pragma once
#include <functional>

// How a text is fitted into a label too narrow for it at its design size.
struct TextFit {
    double pointSize = 0;
    bool wrap = false; // the least size is still too wide: the text breaks onto more lines
    friend bool operator==(const TextFit&, const TextFit&) = default;
};

constexpr double TextFitStep = 0.25;

// The largest size from the design size down to the least, in steps of TextFitStep, at which the
// text's width (widthAt(points), in pixels) fits the available width; the least size with wrap
// when none does.
TextFit fitText(double designPoints, double leastPoints, int available,
                const std::function<int(double)>& widthAt);
