// Build tool: paints the comic strip window's tool panel, side column and ruled page into the
// given folder, which the program takes from its resources (core/builtpictures.h).
#include "comicstrip/comicstripart.h"
#include "comicstrip/practicesheet.h"
#include "core/builtpictures.h"

int main(int argc, char* argv[]) {
    return runPaintTool(argc, argv, [](const QDir& dir) {
        using namespace comicstrip;
        return writeBuiltPicture(drawToolPanel(), dir.filePath(QStringLiteral("toolpanel.rgb"))) &&
               writeBuiltPicture(drawSideColumn(SideColumnSize),
                                 dir.filePath(QStringLiteral("sidecolumn.rgb"))) &&
               writeBuiltPicture(drawRuledPage(), dir.filePath(QStringLiteral("ruledpage.rgb")));
    });
}
