#pragma once
#include <QImage>

class QPainter;

// The bitmaps of the picture menu, drawn in code: a card with a small picture of each activity,
// in six columns coloured by subject, on a white ground. The build paints them once into files
// that the program loads (picturemenuimages.h); these draw them afresh.
QImage drawPictureMenu();       // Picture7, 667 x 520, with empty places for the two below
QImage drawLetterOrdering();    // Picture9, 106 x 72
QImage drawPictureWordSearch(); // Picture10, 104 x 70

// Draws the card of an area of the picture menu (a zone or the extra icon) with its top-left
// corner at the painter's origin, at picturemenu::TileSize.
void drawActivityCard(QPainter& p, int area);
