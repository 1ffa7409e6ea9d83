// Build tool: paints the spelling window's tool strip, palette and preset samples, the word
// processor's tool column and palette and the player's toolbar, strips and size markers into the
// given folder, which the program takes from its resources (core/builtpictures.h).
#include "core/builtpictures.h"
#include "textwork/playertoolbar.h"
#include "textwork/playertoolrules.h"
#include "textwork/spellingart.h"
#include "textwork/wordprocessorart.h"

int main(int argc, char* argv[]) {
    return runPaintTool(argc, argv, [](const QDir& dir) {
        const auto write = [&dir](const QImage& picture, const char* name) {
            return writeBuiltPicture(picture, dir.filePath(QLatin1String(name)));
        };
        return write(spellingart::drawToolStrip(), "spellingtools.rgb") &&
               write(spellingart::drawPalette(), "spellingpalette.rgb") &&
               write(spellingart::drawPresetSamples(), "spellingpresets.rgb") &&
               write(wordprocessorart::drawToolColumn(), "wordprocessortools.rgb") &&
               write(wordprocessorart::drawPalette(), "wordprocessorpalette.rgb") &&
               write(playertoolbar::draw(), "playertools.rgb") &&
               write(playertools::drawPenStrip(), "playerpens.rgb") &&
               write(playertools::drawGroundStrip(), "playergrounds.rgb") &&
               write(playertools::drawSizeMarker(0), "playersize0.rgb") &&
               write(playertools::drawSizeMarker(1), "playersize1.rgb") &&
               write(playertools::drawSizeMarker(2), "playersize2.rgb") &&
               write(playertools::drawSizeMarker(3), "playersize3.rgb");
    });
}
