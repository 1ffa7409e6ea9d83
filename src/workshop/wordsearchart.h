#pragma once
#include <QImage>

// The decorative picture of the big word search's left panel, 185 x 681 pixels.
inline constexpr int WordSearchPanelWidth = 185;
inline constexpr int WordSearchPanelHeight = 681;
QImage drawWordSearchPanel();
