// Build tool: paints the business cards' tool panel into the given folder, which the program takes
// from its resources (core/builtpictures.h).
#include "core/builtpictures.h"
#include "documents/cardart.h"

int main(int argc, char* argv[]) {
    return runPaintTool(argc, argv, [](const QDir& dir) {
        return writeBuiltPicture(drawCardToolPanel(), dir.filePath(QStringLiteral("cardtools.rgb")));
    });
}
