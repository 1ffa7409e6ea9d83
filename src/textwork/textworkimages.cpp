// The spelling window's, the word processor's and the player's pictures that the build paints (see
// painttextwork.cpp), read in place from the program's resources.
#include "core/builtpictures.h"
#include "textwork/playertoolbar.h"
#include "textwork/playertoolrules.h"
#include "textwork/spellingart.h"
#include "textwork/wordprocessorart.h"

namespace {
QImage built(const char* name, QSize size, const std::function<QImage()>& draw) {
    return builtPictureOr(QStringLiteral(":/textwork/") + QLatin1String(name), size, QImage::Format_RGB32,
                          draw);
}
} // namespace

namespace spellingart {
QImage toolStripImage() {
    return built("spellingtools.rgb", QSize(StripWidth, StripHeight), [] { return drawToolStrip(); });
}

QImage paletteImage() {
    return built("spellingpalette.rgb", QSize(PaletteWidth, PaletteHeight), [] { return drawPalette(); });
}

QImage presetSamplesImage() {
    return built("spellingpresets.rgb", presetSamplesSize(), [] { return drawPresetSamples(); });
}
} // namespace spellingart

namespace wordprocessorart {
QImage toolColumnImage() {
    return built("wordprocessortools.rgb", QSize(ColumnWidth, ColumnHeight), [] { return drawToolColumn(); });
}

QImage paletteImage() {
    return built("wordprocessorpalette.rgb", QSize(PaletteWidth, PaletteHeight),
                 [] { return drawPalette(); });
}
} // namespace wordprocessorart

namespace playertoolbar {
QImage image() {
    return built("playertools.rgb", QSize(Width, Height), [] { return draw(); });
}
} // namespace playertoolbar

namespace playertools {
QImage penStripImage() {
    return built("playerpens.rgb", PenStripSize, [] { return drawPenStrip(); });
}

QImage groundStripImage() {
    return built("playergrounds.rgb", GroundStripSize, [] { return drawGroundStrip(); });
}

QImage sizeMarkerImage(int k) {
    if (k < 0 || k > 3) return drawSizeMarker(k);
    const QByteArray name = QByteArrayLiteral("playersize") + QByteArray::number(k) + ".rgb";
    return built(name.constData(), SizeMarkerSize, [k] { return drawSizeMarker(k); });
}
} // namespace playertools
