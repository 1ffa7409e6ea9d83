#pragma once
#include <QImage>
#include <array>

// The puzzle window's pictures, drawn here and painted into files while the program is built.

inline constexpr int PuzzleSampleSize = 600; // pixels a side
inline constexpr int PuzzleSampleSlots = 13; // Picture58(0) to (12); slot 9 holds none

// The sample slots that hold a picture, in the thumbnail strip's order from the top.
inline constexpr std::array<int, 12> PuzzleStripSamples{7, 2, 0, 8, 6, 1, 5, 3, 4, 10, 11, 12};

// The photograph of sample slot i, 600 x 600: 0 a cactus garden round a pond with water lilies,
// 1 a turquoise pool in a white garden with a palm trunk, 2 a bare volcanic mountain, 3 a tree
// blurred against the light, 4 a metal sculpture of a creature, 5 a mountain meadow with pines,
// 6 steep cliffs with buildings at their foot, 7 a stone house standing in a lake, 8 white
// blossoms, 10 a building clad in curved metal by a river, 11 a pale yellow snake, 12 a mountain
// lake among granite boulders. Slot 9 gives a null image.
QImage drawPuzzleSample(int slot);

// The thumbnail strip: twelve framed close-ups of the samples, one above the other, 71 x 557.
QImage drawPuzzleStrip(const std::array<QImage, PuzzleSampleSlots>& samples);
