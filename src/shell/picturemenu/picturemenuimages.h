#pragma once
#include <QImage>

// The picture menu's bitmaps as the program shows them: painted at build time and loaded from the
// program's resources, drawn afresh only if a resource is missing.
QImage pictureMenuImage();       // Picture7, 667 x 520
QImage letterOrderingImage();    // Picture9, 106 x 72
QImage pictureWordSearchImage(); // Picture10, 104 x 70
