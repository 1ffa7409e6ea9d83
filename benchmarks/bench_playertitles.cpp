// Filling the fill-the-blanks player's title list from the 260 shipped exercises, next to a bare
// loop reading the first 630 bytes of the same files with QFile into a QStringList, in the same
// run. The title list must take at most twice as long.
#include "median.h"
#include "textwork/gapexercise.h"
#include "textwork/playerrules.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString programFolder = QStringLiteral(TAUDRIN_SOURCE_DIR "/data");
    QStringList paths;
    for (int n = 1; n <= gapexercise::LastNumber; ++n)
        paths << numberedGapExercisePath(programFolder, n);
    if (!QFile::exists(paths.first())) {
        std::puts("the shipped exercises are missing");
        return 1;
    }

    // A list takes a few milliseconds, less than one time slice of a busy machine: each timing
    // covers several lists, so a slice lost to another program weighs alike on both sides.
    constexpr int listsPerTiming = 20;
    std::vector<double> listMs, bareMs;
    QStringList titles, heads;
    for (int run = 0; run < 15; ++run) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < listsPerTiming; ++i)
            titles = playerrules::exerciseTitles(programFolder);
        listMs.push_back(t.nsecsElapsed() / 1e6 / listsPerTiming);

        t.restart();
        for (int i = 0; i < listsPerTiming; ++i) {
            heads.clear();
            for (const QString& path : paths) {
                QFile f(path);
                if (f.open(QIODevice::ReadOnly))
                    heads << QString::fromLatin1(f.read(gapexercise::TitleListLength));
            }
        }
        bareMs.push_back(t.nsecsElapsed() / 1e6 / listsPerTiming);
    }

    const double list = median(listMs), bare = median(bareMs);
    std::printf("titles: %lld entries, bare reads: %lld files\n", static_cast<long long>(titles.size()),
                static_cast<long long>(heads.size()));
    std::printf("title list: %.2f ms   bare QFile loop: %.2f ms   (median of %zu)\n", list, bare,
                listMs.size());
    if (titles.size() != gapexercise::LastNumber || heads.size() != gapexercise::LastNumber) return 1;
    if (list > 2 * bare) {
        std::puts("FAIL: the title list takes more than twice as long as the bare loop");
        return 1;
    }
    std::puts("ok: the title list is within twice the bare loop");
    return 0;
}
