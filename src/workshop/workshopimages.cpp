// The workshop's pictures that the build paints (see paintworkshop.cpp), read in place from the
// program's resources, so that no heap is spent on their pixels.
#include "workshop/workshopimages.h"
#include "core/drawnonce.h"
#include "core/twips.h"
#include "workshop/builtpictures.h"
#include "workshop/cubenet.h"
#include "workshop/newspagepictures.h"
#include "workshop/postcardart.h"
#include "workshop/postcardrules.h"
#include "workshop/wordsearchart.h"

#include <array>
#include <utility>

namespace {
QImage builtOrDrawn(const QString& name, QSize size, QImage::Format format, QImage (*draw)()) {
    const QImage built = builtPicture(QStringLiteral(":/workshop/") + name, size, format);
    return built.isNull() ? draw() : built;
}

template <int Index> QImage readStamp() {
    const QRect place = stampPlaceTwips(Index);
    return builtOrDrawn(QStringLiteral("stamp%1.argb").arg(Index), twSize(place.width(), place.height()),
                        QImage::Format_ARGB32_Premultiplied, [] { return drawStamp(Index); });
}

template <int... Index> constexpr auto stampReaders(std::integer_sequence<int, Index...>) {
    return std::array<QImage (*)(), sizeof...(Index)>{readStamp<Index>...};
}

QImage readToolPanel() {
    return builtOrDrawn(QStringLiteral("toolpanel.rgb"), QSize(ToolPanelWidth, ToolPanelHeight),
                        QImage::Format_RGB32, drawToolPanel);
}

QImage readNewsToolPanel() {
    return builtOrDrawn(QStringLiteral("newstools.rgb"), QSize(135, 216), QImage::Format_RGB32,
                        drawNewsToolPanel);
}

QImage readWordSearchPanel() {
    return builtOrDrawn(QStringLiteral("wordsearchpanel.rgb"),
                        QSize(WordSearchPanelWidth, WordSearchPanelHeight), QImage::Format_RGB32,
                        drawWordSearchPanel);
}
QImage readCubeNet() {
    return builtOrDrawn(QStringLiteral("cubenet.rgb"), twSize(CubeNetWidthTwips, CubeNetHeightTwips),
                        QImage::Format_RGB32, drawCubeNet);
}

QImage readCubeToolStrip() {
    return builtOrDrawn(QStringLiteral("cubetools.rgb"), QSize(339, 76), QImage::Format_RGB32,
                        drawCubeToolStrip);
}
} // namespace

QImage stampImage(int index) {
    static constexpr auto readers = stampReaders(std::make_integer_sequence<int, StampCount>{});
    static constexpr const char* keys[] = {"postcard stamp 0",  "postcard stamp 1",  "postcard stamp 2",
                                           "postcard stamp 3",  "postcard stamp 4",  "postcard stamp 5",
                                           "postcard stamp 6",  "postcard stamp 7",  "postcard stamp 8",
                                           "postcard stamp 9",  "postcard stamp 10", "postcard stamp 11",
                                           "postcard stamp 12", "postcard stamp 13", "postcard stamp 14"};
    static_assert(std::size(keys) == StampCount);
    if (index < 0 || index >= StampCount) return drawStamp(index);
    return drawnOnce(keys[index], readers[size_t(index)]);
}

QImage toolPanelImage() {
    return drawnOnce("postcard tool panel", readToolPanel);
}

QImage newsToolPanelImage() {
    return drawnOnce("news page tool panel", readNewsToolPanel);
}

QImage wordSearchPanelImage() {
    return drawnOnce("word search panel", readWordSearchPanel);
}

QImage cubeNetImage() {
    return drawnOnce("cube net", readCubeNet);
}

QImage cubeToolStripImage() {
    return drawnOnce("cube tool strip", readCubeToolStrip);
}
