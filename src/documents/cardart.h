#pragma once
#include <QImage>
#include <QSize>

// The business cards' own pictures, drawn in code.

// The clip-art of a background card at the box's size: a sprig of leaves in the top-left corner
// and two waves along the foot, in dark inks on white, so that a merge-pen tint colours the ink
// and leaves the white alone.
QImage drawCardClipArt(QSize size);

// The tool panel, four rows of icons: picture sheets (picture mode off, on); the font dialog and
// three font letters; size up and down; the office suite, a document and a paint pot.
inline constexpr int CardToolPanelWidth = 151;
inline constexpr int CardToolPanelHeight = 199;
QImage drawCardToolPanel();
