// Placing a large photo into picture frames: a 4000 x 3000 JPEG placed from a picture list into a
// frame nine times (as the comic board fills its nine panels), timed next to a bare QImageReader
// decoding the same file at the frame's size in the same run, which is the least the job needs.
#include "benchsetup.h"
#include "core/controls.h"
#include "median.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    offscreenWithoutDisplay();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("foto.jpg"));
    if (!writePhoto(largePhoto(), file)) return 1;
    QWidget window;
    PictureFileList list(&window);
    list.setPath(dir.path());
    list.setCurrentRow(0);
    PictureBox frame(&window);
    frame.resize(260, 190); // a comic panel

    constexpr int rounds = 15, panels = 9;
    std::vector<double> placed, bare, ratios;
    for (int round = 0; round <= rounds; ++round) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < panels; ++i)
            PlacePictureInFrame(&frame, Qt::LeftButton, &list);
        const double placedMs = t.nsecsElapsed() / 1e6;
        t.restart();
        qint64 keep = 0;
        for (int i = 0; i < panels; ++i) {
            QImageReader reader(file);
            reader.setScaledSize(frame.size());
            keep += reader.read().width();
        }
        const double bareMs = t.nsecsElapsed() / 1e6;
        if (round == 0 || keep == 0) continue; // the first round warms caches
        placed.push_back(placedMs);
        bare.push_back(bareMs);
        ratios.push_back(placedMs / bareMs);
    }
    if (frame.Picture().size() != frame.size()) {
        std::fprintf(stderr, "the frame shows no picture of its size\n");
        return 1;
    }
    const double p = median(placed), b = median(bare), r = median(ratios);
    std::printf("a 4000 x 3000 JPEG into 9 frames of 260 x 190: placed %.1f ms, bare QImageReader at the "
                "frame's size %.1f ms (medians of %d)\n",
                p, b, rounds);
    std::printf("ratio: %.2f (median of the rounds' ratios; limit 1.50)\n", r);
    return r <= 1.5 ? 0 : 1;
}
