// Build tool: paints the write-a-word window's pictures and the hidden word window's case buttons into the
// given folder, which the program takes from its resources (core/builtpictures.h).
#include "core/builtpictures.h"
#include "wordgames/hiddenwordart.h"
#include "wordgames/writeawordart.h"

int main(int argc, char* argv[]) {
    return runPaintTool(argc, argv, [](const QDir& dir) {
        return writeBuiltPicture(drawFontStrip(), dir.filePath(QStringLiteral("fontstrip.argb"))) &&
               writeBuiltPicture(drawColourStrip(), dir.filePath(QStringLiteral("colourstrip.rgb"))) &&
               writeBuiltPicture(drawPageAndArrow(), dir.filePath(QStringLiteral("pageandarrow.argb"))) &&
               writeBuiltPicture(drawLips(), dir.filePath(QStringLiteral("lips.argb"))) &&
               writeBuiltPicture(drawCasePicture(true), dir.filePath(QStringLiteral("upper.rgb"))) &&
               writeBuiltPicture(drawCasePicture(false), dir.filePath(QStringLiteral("lower.rgb")));
    });
}
