#pragma once
#include <QFont>
#include <optional>

// Maps the font names the windows are designed with to the free fonts that stand in for them.
void installFontSubstitutions();

// A font as a window's design names it: the family at a size in points, bold or not.
QFont designFont(const char* family, double points, bool bold = false);

// The font sizes the size tools step within, in points.
inline constexpr double SmallestPointSize = 1;
inline constexpr double LargestPointSize = 400;
// A size after one step; nothing when the step would leave the range from `smallest` to the
// largest size, so the text keeps its size.
std::optional<double> steppedPointSize(double size, double step, double smallest = SmallestPointSize);
// A size after one step, held at the nearer end of that range.
double boundedPointSize(double size, double step, double smallest = SmallestPointSize);
