// Build tool: paints the puzzle window's twelve sample photographs and its thumbnail strip into
// the given folder as JPEG files, which the program takes from its resources.
#include "pictures/puzzleart.h"

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
    std::array<QImage, PuzzleSampleSlots> samples;
    for (int slot : PuzzleStripSamples) {
        samples[size_t(slot)] = drawPuzzleSample(slot);
        if (!samples[size_t(slot)].save(dir.filePath(QStringLiteral("sample%1.jpg").arg(slot)), "JPEG", 92))
            return 1;
    }
    return drawPuzzleStrip(samples).save(dir.filePath(QStringLiteral("strip.jpg")), "JPEG", 92) ? 0 : 1;
}
