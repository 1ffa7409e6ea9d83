// The effects window on a large photo: a 4000 x 3000 JPEG loaded from its picture list, fitted to
// the 1024 x 768 screen, shown under the "(BLA)" filter, turned to mosaic cells and captured as the
// hand-off BMP, timed next to ImageMagick's convert doing the same steps (resize, negate, 4-pixel
// sample, BMP) in the same run. The window must not be slower.
#include "app/application.h"
#include "benchsetup.h"
#include "core/controls.h"
#include "median.h"
#include "pictures/form10.h"
#include "pictures/picturefiles.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

namespace {

// A photo-like picture from a fixed seed.
QImage photo() {
    std::mt19937 random(20261211);
    return randomPhoto(random, QColor(30, 110, 210), 300);
}

} // namespace

int main(int argc, char** argv) {
    BenchHome home;
    quietOffscreenNotes();
    QApplication qapp(argc, argv);
    setUpApplication();
    const QString convert = convertProgram();
    if (convert.isEmpty()) return 1;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("foto.jpg"));
    if (!writePhoto(photo(), file)) return 1;
    Application app;
    Services& services = app.services();
    auto& f = services.forms.show<Form10>();
    f.screen = QSizeF(15360, 11520);
    f.File1->setPath(dir.path());
    const QSizeF fitted = fitPictureSize(QSizeF(4000 * 15, 3000 * 15), f.screen, 0.9).size;
    const QString shown = QStringLiteral("%1x%2!").arg(tw(fitted.width())).arg(tw(fitted.height()));
    const QString ours = handOffPicturePath(services);
    const QString theirs = dir.filePath(QStringLiteral("convert.bmp"));

    constexpr int rounds = 5;
    std::vector<double> window, magick;
    for (int round = 0; round <= rounds; ++round) {
        QElapsedTimer t;
        t.start();
        f.lista_Click(0);
        f.Filter_Click(5); // "(BLA)"
        f.WWWWWW_Click();
        Snapshot capture;
        capture.source = f.Picture4;
        capture.scratch = f.Picture3;
        capture.refreshScratch = false;
        const bool captured = SnapshotPicture(services, capture);
        const double windowMs = t.nsecsElapsed() / 1e6;
        t.restart();
        const int status =
            QProcess::execute(convert, {file, QStringLiteral("-resize"), shown, QStringLiteral("-negate"),
                                        QStringLiteral("-sample"), QStringLiteral("25%"),
                                        QStringLiteral("-sample"), QStringLiteral("400%"), theirs});
        const double magickMs = t.nsecsElapsed() / 1e6;
        if (!captured || status != 0 || QImage(ours).isNull() || QImage(theirs).isNull()) {
            std::fprintf(stderr, "a capture failed (window %d, convert %d)\n", int(captured), status);
            return 1;
        }
        if (round == 0) continue; // the first round warms caches
        window.push_back(windowMs);
        magick.push_back(magickMs);
    }
    const double w = median(window), m = median(magick);
    std::printf("a 4000 x 3000 JPEG fitted, filtered, in cells and captured: window %.1f ms, convert %.1f ms "
                "(medians of %d)\n",
                w, m, rounds);
    std::printf("limit: the window not slower than convert\n");
    return w <= m ? 0 : 1;
}
