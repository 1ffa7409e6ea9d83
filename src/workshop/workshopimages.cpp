// The workshop's pictures that the build paints (see paintworkshop.cpp), read in place from the
// program's resources at each call, so that no heap is spent on their pixels.
#include "workshop/workshopimages.h"
#include "core/twips.h"
#include "core/builtpictures.h"
#include "workshop/cubenet.h"
#include "workshop/newspagepictures.h"
#include "workshop/postcardart.h"
#include "workshop/postcardrules.h"
#include "workshop/wordsearchart.h"

namespace {
QImage built(const QString& name, QSize size, const std::function<QImage()>& draw,
             QImage::Format format = QImage::Format_RGB32) {
    return builtPictureOr(QStringLiteral(":/workshop/") + name, size, format, draw);
}
} // namespace

QImage stampImage(int index) {
    if (index < 0 || index >= StampCount) return drawStamp(index);
    const QRect place = stampPlaceTwips(index);
    return built(
        QStringLiteral("stamp%1.argb").arg(index), twSize(place.width(), place.height()),
        [index] { return drawStamp(index); }, QImage::Format_ARGB32_Premultiplied);
}

QImage toolPanelImage() {
    return built(QStringLiteral("toolpanel.rgb"), QSize(ToolPanelWidth, ToolPanelHeight), drawToolPanel);
}

QImage newsToolPanelImage() {
    return built(QStringLiteral("newstools.rgb"), QSize(135, 216), drawNewsToolPanel);
}

QImage wordSearchPanelImage() {
    return built(QStringLiteral("wordsearchpanel.rgb"), QSize(WordSearchPanelWidth, WordSearchPanelHeight),
                 drawWordSearchPanel);
}

QImage cubeNetImage() {
    return built(QStringLiteral("cubenet.rgb"), twSize(CubeNetWidthTwips, CubeNetHeightTwips), drawCubeNet);
}

QImage cubeToolStripImage() {
    return built(QStringLiteral("cubetools.rgb"), QSize(339, 76), drawCubeToolStrip);
}
