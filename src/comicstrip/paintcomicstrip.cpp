// Build tool: paints the comic strip window's tool panel, side column and ruled page into the
// given folder, which the program takes from its resources (workshop/builtpictures.h).
#include "comicstrip/comicstripart.h"
#include "comicstrip/practicesheet.h"
#include "core/fonts.h"
#include "workshop/builtpictures.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    installFontSubstitutions(); // the fonts the program paints with
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) return 1;
    using namespace comicstrip;
    const bool written =
        writeBuiltPicture(drawToolPanel(), dir.filePath(QStringLiteral("toolpanel.rgb"))) &&
        writeBuiltPicture(drawSideColumn(SideColumnSize), dir.filePath(QStringLiteral("sidecolumn.rgb"))) &&
        writeBuiltPicture(drawRuledPage(), dir.filePath(QStringLiteral("ruledpage.rgb")));
    return written ? 0 : 1;
}
