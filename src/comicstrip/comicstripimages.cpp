// The comic strip window's pictures that the build paints (see paintcomicstrip.cpp). They are
// read in place from the program's resources: no heap is spent on them, and a picture not shown
// yet (the ruled page) costs nothing until it is.
#include "comicstrip/comicstripart.h"
#include "comicstrip/practicesheet.h"
#include "workshop/builtpictures.h"

namespace comicstrip {

namespace {
QImage readOnce(QImage& picture, const char* name, QSize size, QImage (*draw)()) {
    if (picture.isNull()) {
        picture =
            builtPicture(QStringLiteral(":/comicstrip/") + QLatin1String(name), size, QImage::Format_RGB32);
        if (picture.isNull()) picture = draw();
    }
    return picture;
}
} // namespace

QImage toolPanelImage() {
    static QImage panel;
    return readOnce(panel, "toolpanel.rgb", ToolPanelSize, drawToolPanel);
}

QImage sideColumnImage(QSize size) {
    if (size != SideColumnSize) return drawSideColumn(size);
    static QImage column;
    return readOnce(column, "sidecolumn.rgb", SideColumnSize, [] { return drawSideColumn(SideColumnSize); });
}

QImage ruledPageImage() {
    static QImage page;
    return readOnce(page, "ruledpage.rgb", RuledPageSize, drawRuledPage);
}

} // namespace comicstrip
