// The business cards' tool panel that the build paints (see paintdocuments.cpp), read in place from
// the program's resources.
#include "core/builtpictures.h"
#include "documents/cardart.h"

QImage cardToolPanelImage() {
    return builtPictureOr(QStringLiteral(":/documents/cardtools.rgb"),
                          QSize(CardToolPanelWidth, CardToolPanelHeight), QImage::Format_RGB32,
                          drawCardToolPanel);
}
