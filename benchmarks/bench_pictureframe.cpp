// Placing a large photo into picture frames: a 4000 x 3000 JPEG placed from a picture list into a
// frame nine times (as the comic board fills its nine panels), timed next to a bare QImage load and
// stretch of the same file into the same frame size in the same run. Placing must not be slower.
#include "benchsetup.h"
#include "core/controls.h"
#include "median.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
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

    constexpr int rounds = 5, panels = 9;
    std::vector<double> placed, bare;
    for (int round = 0; round <= rounds; ++round) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < panels; ++i)
            PlacePictureInFrame(&frame, Qt::LeftButton, &list);
        const double placedMs = t.nsecsElapsed() / 1e6;
        t.restart();
        qint64 keep = 0;
        for (int i = 0; i < panels; ++i) {
            const QImage scaled =
                QImage(file).scaled(frame.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            keep += scaled.width();
        }
        const double bareMs = t.nsecsElapsed() / 1e6;
        if (round == 0 || keep == 0) continue; // the first round warms caches
        placed.push_back(placedMs);
        bare.push_back(bareMs);
    }
    const double p = median(placed), b = median(bare);
    std::printf(
        "a 4000 x 3000 JPEG into 9 frames: placed %.1f ms, bare load and stretch %.1f ms (medians of %d)\n",
        p, b, rounds);
    std::printf("limit: placing not slower than the bare load and stretch\n");
    return p <= b ? 0 : 1;
}
