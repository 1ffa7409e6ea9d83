// Build tool: paints the montage window's toolbar and palette into the given folder, which the
// program takes from its resources (core/builtpictures.h).
#include "core/builtpictures.h"
#include "pictures/montageart.h"

int main(int argc, char* argv[]) {
    return runPaintTool(argc, argv, [](const QDir& dir) {
        return writeBuiltPicture(drawMontageToolbar(), dir.filePath(QStringLiteral("toolbar.rgb"))) &&
               writeBuiltPicture(drawMontagePalette(), dir.filePath(QStringLiteral("palette.rgb")));
    });
}
