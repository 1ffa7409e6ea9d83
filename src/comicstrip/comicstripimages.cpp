// The comic strip window's pictures that the build paints (see paintcomicstrip.cpp). They are
// read in place from the program's resources: no heap is spent on their pixels, and a picture not
// shown yet (the ruled page) costs nothing until it is.
#include "comicstrip/comicstripart.h"
#include "comicstrip/practicesheet.h"
#include "core/drawnonce.h"
#include "workshop/builtpictures.h"

namespace comicstrip {

namespace {
QImage builtOrDrawn(const char* name, QSize size, QImage (*draw)()) {
    const QImage built =
        builtPicture(QStringLiteral(":/comicstrip/") + QLatin1String(name), size, QImage::Format_RGB32);
    return built.isNull() ? draw() : built;
}

QImage readToolPanel() {
    return builtOrDrawn("toolpanel.rgb", ToolPanelSize, drawToolPanel);
}

QImage readSideColumn() {
    return builtOrDrawn("sidecolumn.rgb", SideColumnSize, [] { return drawSideColumn(SideColumnSize); });
}

QImage readRuledPage() {
    return builtOrDrawn("ruledpage.rgb", RuledPageSize, drawRuledPage);
}
} // namespace

QImage toolPanelImage() {
    return drawnOnce("comic strip tool panel", readToolPanel);
}

QImage sideColumnImage(QSize size) {
    if (size != SideColumnSize) return drawSideColumn(size);
    return drawnOnce("comic strip side column", readSideColumn);
}

QImage ruledPageImage() {
    return drawnOnce("comic strip ruled page", readRuledPage);
}

} // namespace comicstrip
