#pragma once
#include <QtGlobal>
#include <array>
#include <optional>

class Random;

namespace comicstrip {

constexpr int Panels = 9;

// The random board: for each panel in turn, the list entry it takes, drawn over the whole list;
// -1 (no picture, the panel stays white) when the list is empty.
std::array<int, Panels> randomBoard(Random& random, int entries);

// Caption font sizes stay within these points.
constexpr qreal SmallestFontSize = 1;
constexpr qreal LargestFontSize = 400;

// A caption's font size changed by step points; nothing when that would leave the sizes above,
// so the box keeps the size it has.
std::optional<qreal> steppedFontSize(qreal current, qreal step);

} // namespace comicstrip
