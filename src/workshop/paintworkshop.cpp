// Build tool: paints the postcard's stamps and tool panel, the news page's tool panel, the big
// word search's panel and the paper cube's net and tool strip into the given folder, which the
// program takes from its resources (builtpictures.h).
#include "core/builtpictures.h"
#include "workshop/cubenet.h"
#include "workshop/newspagepictures.h"
#include "workshop/postcardart.h"
#include "workshop/postcardrules.h"
#include "workshop/wordsearchart.h"

int main(int argc, char* argv[]) {
    return runPaintTool(argc, argv, [](const QDir& dir) {
        for (int i = 0; i < StampCount; ++i)
            if (!writeBuiltPicture(drawStamp(i), dir.filePath(QStringLiteral("stamp%1.argb").arg(i))))
                return false;
        return writeBuiltPicture(drawToolPanel(), dir.filePath(QStringLiteral("toolpanel.rgb"))) &&
               writeBuiltPicture(drawNewsToolPanel(), dir.filePath(QStringLiteral("newstools.rgb"))) &&
               writeBuiltPicture(drawWordSearchPanel(),
                                 dir.filePath(QStringLiteral("wordsearchpanel.rgb"))) &&
               writeBuiltPicture(drawCubeNet(), dir.filePath(QStringLiteral("cubenet.rgb"))) &&
               writeBuiltPicture(drawCubeToolStrip(), dir.filePath(QStringLiteral("cubetools.rgb")));
    });
}
