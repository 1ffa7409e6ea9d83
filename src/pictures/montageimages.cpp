// The montage window's pictures that the build paints (see paintmontage.cpp), read in place from
// the program's resources.
#include "core/builtpictures.h"
#include "pictures/montageart.h"

QImage montageToolbarImage() {
    return builtPictureOr(QStringLiteral(":/montage/toolbar.rgb"), MontageToolbarSize, QImage::Format_RGB32,
                          drawMontageToolbar);
}

QImage montagePaletteImage() {
    return builtPictureOr(QStringLiteral(":/montage/palette.rgb"), MontagePaletteSize, QImage::Format_RGB32,
                          drawMontagePalette);
}
