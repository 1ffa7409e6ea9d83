// The photo packing of 20 photos of 4000 x 3000 (made from a fixed seed) at one to a row: each
// stretched to the photo size, written as the scratch bitmap and JPEG and put in the document,
// which is written as a flat OpenDocument text (not opened). Timed next to ImageMagick's convert
// stretching each photo to the same size and writing it as a JPEG of quality 100, in the same run.
// The packing must not be slower.
#include "benchsetup.h"
#include "median.h"
#include "pictures/photopacking.h"
#include "pictures/picturefiles.h"
#include "platform/flatodt.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

namespace {

// A photo-like picture whose sky, like its shapes, comes from the random source.
QImage photo(std::mt19937& random) {
    const QColor skyTop = QColor::fromHsv(int(random() % 360), 160, 210);
    return randomPhoto(random, skyTop, 200);
}

} // namespace

int main(int argc, char** argv) {
    offscreenWithoutDisplay();
    QApplication qapp(argc, argv);
    const QString convert = convertProgram();
    if (convert.isEmpty()) return 1;
    constexpr int photos = 20;
    QTemporaryDir dir;
    std::mt19937 random(20261211);
    QStringList files;
    for (int i = 0; i < photos; ++i) {
        const QString file = dir.filePath(QStringLiteral("foto%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
        if (!writePhoto(photo(random), file)) return 1;
        files.append(file);
    }
    const QSize size = photoSizePixels(cappedScreenTwips(DesignScreenPixels), 1);
    const PhotoScratch scratch{dir.filePath(QStringLiteral("dibuix.bmp")),
                               dir.filePath(QStringLiteral("dibuix.jpg"))};
    const QString theirs = dir.filePath(QStringLiteral("convert.jpg"));
    const QString stretched = QStringLiteral("%1x%2!").arg(size.width()).arg(size.height());

    constexpr int rounds = 3;
    std::vector<double> packing, magick;
    for (int round = 0; round <= rounds; ++round) {
        QElapsedTimer t;
        t.start();
        const OfficeDocument doc = packPhotos(files, photoLayout(0), size, scratch);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        const bool written = writeFlatOpenDocumentText(doc, out);
        const double packingMs = t.nsecsElapsed() / 1e6;
        t.restart();
        int failed = 0;
        for (const QString& file : files)
            failed +=
                QProcess::execute(convert, {file, QStringLiteral("-resize"), stretched,
                                            QStringLiteral("-quality"), QStringLiteral("100"), theirs}) != 0;
        const double magickMs = t.nsecsElapsed() / 1e6;
        if (!written || failed || QImage(scratch.jpeg).size() != size || QImage(theirs).size() != size) {
            std::fprintf(stderr, "a packing failed (document %d, convert failures %d)\n", int(written),
                         failed);
            return 1;
        }
        if (round == 0) continue; // the first round warms caches
        packing.push_back(packingMs);
        magick.push_back(magickMs);
    }
    const double ours = median(packing), m = median(magick);
    std::printf("20 photos of 4000 x 3000 packed at one to a row into a document: packing %.1f ms, "
                "convert %.1f ms (medians of %d)\n",
                ours, m, rounds);
    std::printf("limit: the packing not slower than convert\n");
    return ours <= m ? 0 : 1;
}
