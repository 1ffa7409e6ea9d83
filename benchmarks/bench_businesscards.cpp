// Choosing a large photo in the business cards' picture list with picture mode on: a 4000 x 3000
// JPEG painted onto all 24 cards, timed next to ImageMagick's convert making the same 24 resized
// copies of that file in the same run. The window must not be slower.
#include "app/application.h"
#include "benchsetup.h"
#include "core/twips.h"
#include "documents/businesscards.h"
#include "documents/cardsheet.h"
#include "documents/cardwidgets.h"
#include "median.h"
#include "workshop/picturefilelist.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    BenchHome home;
    quietOffscreenNotes();
    QApplication qapp(argc, argv);
    setUpApplication();
    const QString convert = convertProgram();
    if (convert.isEmpty()) return 1;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("foto.jpg"));
    if (!writePhoto(largePhoto(), file)) return 1;
    Application app;
    auto* cards = qobject_cast<Form17*>(app.services().forms.show(QStringLiteral("Form17")));
    if (!cards) {
        std::fprintf(stderr, "no business cards window\n");
        return 1;
    }
    cards->File1->setPath(dir.path());
    cards->File1->blockSignals(true);
    cards->File1->setCurrentRow(0);
    cards->File1->blockSignals(false);

    // The same 24 copies at the card size, each resized from the file, in one convert run.
    const QSize card = twSize(cardsheet::CardWidth, cardsheet::CardHeight);
    const QString geometry = QStringLiteral("%1x%2!").arg(card.width()).arg(card.height());
    QStringList args{file};
    for (int i = 0; i < cardsheet::LabelCount; ++i)
        args << QStringLiteral("(") << QStringLiteral("-clone") << QStringLiteral("0")
             << QStringLiteral("-resize") << geometry << QStringLiteral("-write")
             << dir.filePath(QStringLiteral("copia%1.bmp").arg(i)) << QStringLiteral("+delete")
             << QStringLiteral(")");
    args << QStringLiteral("null:");

    // ImageMagick's run takes seconds: fewer of its runs give a steady median.
    constexpr int rounds = 5, magickRounds = 3;
    std::vector<double> window, magick;
    for (int round = 0; round <= rounds; ++round) {
        QElapsedTimer t;
        t.start();
        cards->File1_Click();
        QCoreApplication::processEvents();                       // the cards repaint
        if (round > 0) window.push_back(t.nsecsElapsed() / 1e6); // the first round warms caches
    }
    for (int round = 0; round < magickRounds; ++round) {
        QElapsedTimer t;
        t.start();
        QProcess process;
        process.start(convert, args);
        if (!process.waitForFinished(120000) || process.exitCode() != 0) {
            std::fprintf(stderr, "convert failed: %s\n", process.readAllStandardError().constData());
            return 1;
        }
        magick.push_back(t.nsecsElapsed() / 1e6);
    }
    if (cards->Picture2[0]->Picture().isNull()) {
        std::fprintf(stderr, "the cards were not painted\n");
        return 1;
    }
    const double w = median(window), m = median(magick);
    std::printf("a 4000 x 3000 JPEG onto 24 cards: window %.1f ms, ImageMagick's 24 resized copies %.1f ms "
                "(medians of %d and %d)\n",
                w, m, rounds, magickRounds);
    std::printf("limit: the window not slower than ImageMagick\n");
    return w <= m ? 0 : 1;
}
