#include "shell/picturemenuimages.h"
#include "shell/picturemenu.h"
#include "shell/picturemenuart.h"

namespace {
QImage load(const char* name, QSize size, QImage (*draw)()) {
    QImage img(QStringLiteral(":/picturemenu/%1").arg(QLatin1String(name)));
    if (img.size() != size) return draw();
    return img.convertToFormat(QImage::Format_RGB32);
}
} // namespace

QImage pictureMenuImage() {
    // Loaded once: every load of the main window shows the same picture.
    static const QImage menu = load("menu.png", picturemenu::MenuSize, drawPictureMenu);
    return menu;
}

QImage letterOrderingImage() {
    return load("letterordering.png", picturemenu::LetterOrderingSize, drawLetterOrdering);
}

QImage pictureWordSearchImage() {
    return load("picturewordsearch.png", picturemenu::ExtraIconSize, drawPictureWordSearch);
}
