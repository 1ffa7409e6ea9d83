// The write-a-word and hidden word windows' pictures that the build paints (see paintwriteaword.cpp), read in
// place from the program's resources.
#include "core/builtpictures.h"
#include "wordgames/hiddenwordart.h"
#include "wordgames/writeawordart.h"

namespace {
QImage built(const char* name, QSize size, QImage::Format format, QImage (*draw)()) {
    return builtPictureOr(QStringLiteral(":/writeaword/") + QLatin1String(name), size, format, draw);
}
} // namespace

QImage fontStripImage() {
    return built("fontstrip.argb", FontStripSize, QImage::Format_ARGB32_Premultiplied, drawFontStrip);
}

QImage colourStripImage() {
    return built("colourstrip.rgb", ColourStripSize, QImage::Format_RGB32, drawColourStrip);
}

QImage pageAndArrowImage() {
    return built("pageandarrow.argb", PageAndArrowSize, QImage::Format_ARGB32_Premultiplied,
                 drawPageAndArrow);
}

QImage lipsImage() {
    return built("lips.argb", LipsSize, QImage::Format_ARGB32_Premultiplied, drawLips);
}

QImage casePictureImage(bool upper) {
    if (upper)
        return built("upper.rgb", CasePictureSize, QImage::Format_RGB32,
                     [] { return drawCasePicture(true); });
    return built("lower.rgb", CasePictureSize, QImage::Format_RGB32, [] { return drawCasePicture(false); });
}
