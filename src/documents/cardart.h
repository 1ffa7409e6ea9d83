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
// The tool panel as the build painted it (see paintdocuments.cpp), read in place from the
// resources so that opening the window loads none of the fonts of its letters; drawn where the
// build's is missing.
QImage cardToolPanelImage();
