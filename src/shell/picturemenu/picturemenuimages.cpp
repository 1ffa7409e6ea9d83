#include "shell/picturemenu/picturemenuimages.h"
#include "shell/picturemenu/picturemenu.h"
#include "shell/picturemenu/picturemenuart.h"

#include <QResource>

namespace {
// The raw pixels the build painted (see paintpicturemenu.cpp); drawn afresh if they are missing.
QImage load(const char* name, QSize size, QImage (*draw)()) {
    const QResource res(QStringLiteral(":/picturemenu/") + QLatin1String(name));
    const QByteArray data = res.uncompressedData();
    const qsizetype row = qsizetype(size.width()) * 3;
    if (data.size() != row * size.height()) return draw();
    const QImage raw(reinterpret_cast<const uchar*>(data.constData()), size.width(), size.height(), row,
                     QImage::Format_RGB888);
    return raw.convertToFormat(QImage::Format_RGB32); // a copy: data goes out of scope
}
} // namespace

QImage pictureMenuImage() {
    // Loaded once: every load of the main window shows the same picture.
    static const QImage menu = load("menu.rgb", picturemenu::MenuSize, drawPictureMenu);
    return menu;
}

QImage letterOrderingImage() {
    return load("letterordering.rgb", picturemenu::LetterOrderingSize, drawLetterOrdering);
}

QImage pictureWordSearchImage() {
    return load("picturewordsearch.rgb", picturemenu::ExtraIconSize, drawPictureWordSearch);
}
