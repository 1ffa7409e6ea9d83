// The comic strip window's pictures that the build paints (see paintcomicstrip.cpp). They are
// read in place from the program's resources: no heap is spent on their pixels, and a picture not
// shown yet (the ruled page) costs nothing until it is.
#include "comicstrip/comicstripart.h"
#include "comicstrip/practicesheet.h"
#include "core/builtpictures.h"

namespace comicstrip {

namespace {
QImage built(const char* name, QSize size, const std::function<QImage()>& draw) {
    return builtPictureOr(QStringLiteral(":/comicstrip/") + QLatin1String(name), size, QImage::Format_RGB32,
                          draw);
}
} // namespace

QImage toolPanelImage() {
    return built("toolpanel.rgb", ToolPanelSize, drawToolPanel);
}

QImage sideColumnImage(QSize size) {
    if (size != SideColumnSize) return drawSideColumn(size);
    return built("sidecolumn.rgb", SideColumnSize, [] { return drawSideColumn(SideColumnSize); });
}

QImage ruledPageImage() {
    return built("ruledpage.rgb", RuledPageSize, drawRuledPage);
}

} // namespace comicstrip
