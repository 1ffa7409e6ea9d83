// Build tool: paints the picture menu's bitmaps into PNG files in the given folder, so that the
// program only has to load them when the main window opens.
#include "shell/picturemenuart.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) return 1;
    const bool ok = drawPictureMenu().save(dir.filePath(QStringLiteral("menu.png"))) &&
                    drawLetterOrdering().save(dir.filePath(QStringLiteral("letterordering.png"))) &&
                    drawPictureWordSearch().save(dir.filePath(QStringLiteral("picturewordsearch.png")));
    return ok ? 0 : 1;
}
