// Time from SpeakText to the first audio samples of a ten-word sentence, next to the time that
// espeak-ng's own command line takes to write the same sentence to a WAV file, measured in one run.
// The first SpeakText also starts espeak-ng and loads the speech window; it is shown on its own.
#include "benchsetup.h"
#include "core/forms.h"
#include "core/random.h"
#include "core/services.h"
#include "core/sharedstate.h"
#include "core/tata.h"
#include "median.h"
#include "platform/desktoplauncher.h"
#include "platform/displaymodes.h"
#include "platform/espeakspeech.h"
#include "platform/hunspellspellchecker.h"
#include "platform/qtdialogs.h"
#include "platform/qtprinting.h"
#include "platform/scratchofficesuite.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <semaphore>

namespace {
const QString sentence = QString::fromUtf8("El gat negre dorm tranquil sobre la catifa del menjador.");
constexpr int runs = 9;

} // namespace

int main(int argc, char* argv[]) {
    offscreenWithoutDisplay();
    QApplication app(argc, argv);
    QTemporaryDir dir;

    QtDialogs dialogs;
    DesktopLauncher launcher;
    ScratchOfficeSuite office(launcher, dir.filePath("scratch")); // never used here
    EspeakSpeech speech;
    NoDisplayModes displayModes;
    QtPrinting printing; // never used here
    Random random;
    SharedState state;
    Forms forms;
    HunspellSpellChecker spelling; // never used here; reads nothing
    Services services(dialogs, launcher, office, speech, spelling, displayModes, printing, random, forms,
                      state, dir.filePath("program"), dir.filePath("scratch"));
    services.pauseScale = 0;
    forms.setServices(&services);

    // The tap sees each block before it goes to the sound device.
    std::atomic<bool> waiting{false};
    std::binary_semaphore heard{0};
    QElapsedTimer clock;
    clock.start();
    std::atomic<qint64> heardAt{0};
    speech.setTap([&](const QString&, const qint16*, int) {
        if (waiting.exchange(false)) {
            heardAt = clock.nsecsElapsed();
            heard.release();
        }
    });
    const auto timeSpeakText = [&]() -> double {
        waiting = true;
        const qint64 start = clock.nsecsElapsed();
        SpeakText(services, sentence);
        if (!heard.try_acquire_for(std::chrono::seconds(20))) return -1;
        const double ms = (heardAt - start) / 1e6;
        speech.stop(); // cut it short: the benchmark need not be heard
        speech.waitUntilIdle(20000);
        return ms;
    };

    const double cold = timeSpeakText();
    std::vector<double> ours;
    for (int i = 0; i < runs; ++i)
        ours.push_back(timeSpeakText());

    const QString espeak = QStandardPaths::findExecutable("espeak-ng");
    if (espeak.isEmpty()) {
        std::fprintf(stderr, "espeak-ng's command line is not installed\n");
        return 1;
    }
    const QString wav = dir.filePath("out.wav");
    const auto timeCommandLine = [&]() -> double {
        QProcess p;
        QElapsedTimer t;
        t.start();
        p.start(espeak, {"-v", "ca", "-w", wav, sentence});
        if (!p.waitForFinished(20000) || p.exitCode() != 0) return -1;
        return t.nsecsElapsed() / 1e6;
    };
    timeCommandLine(); // warms the file cache as our first run did
    std::vector<double> theirs;
    for (int i = 0; i < runs; ++i)
        theirs.push_back(timeCommandLine());

    if (cold < 0 || *std::min_element(ours.begin(), ours.end()) < 0 ||
        *std::min_element(theirs.begin(), theirs.end()) < 0) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }
    const double o = median(ours), c = median(theirs);
    std::printf("SpeakText to first samples, first call (starts espeak-ng, loads TATA): %.2f ms\n", cold);
    std::printf("SpeakText to first samples: %.2f ms (median of %d)\n", o, runs);
    std::printf("espeak-ng -v ca -w out.wav: %.2f ms (median of %d)\n", c, runs);
    std::printf("ratio: %.2f (limit 1.00)\n", o / c);
    return o <= c ? 0 : 1;
}
