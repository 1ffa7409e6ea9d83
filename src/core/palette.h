#pragma once
#include <QColor>

// The 16-colour palette: entry 0 black to entry 15 white. An index outside 0..15 gives black.
QColor paletteColour(int index);
constexpr int PaletteSize = 16;
