#include "core/palette.h"

#include <array>

QColor paletteColour(int index) {
    static constexpr std::array<std::array<int, 3>, PaletteSize> rgb{{
        {0, 0, 0},
        {0, 0, 128},
        {0, 128, 0},
        {0, 128, 128},
        {128, 0, 0},
        {128, 0, 128},
        {128, 128, 0},
        {192, 192, 192},
        {128, 128, 128},
        {0, 0, 255},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {255, 0, 255},
        {255, 255, 0},
        {255, 255, 255},
    }};
    if (index < 0 || index >= PaletteSize) return QColor(0, 0, 0);
    const auto& c = rgb[static_cast<size_t>(index)];
    return QColor(c[0], c[1], c[2]);
}
