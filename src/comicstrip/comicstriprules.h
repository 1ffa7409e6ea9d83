#pragma once
#include <QtGlobal>
#include <array>

class Random;

namespace comicstrip {

constexpr int Panels = 9;

// The random board: for each panel in turn, the list entry it takes, drawn over the whole list;
// -1 (no picture, the panel stays white) when the list is empty.
std::array<int, Panels> randomBoard(Random& random, int entries);

} // namespace comicstrip
