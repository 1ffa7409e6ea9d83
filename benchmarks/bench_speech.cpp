// Time from SpeakText to the first audio samples of a ten-word sentence, next to the time that
// espeak-ng's own command line takes to write the same sentence to a WAV file, measured in one run.
//
// Cold: the first SpeakText of a process, which also starts espeak-ng, loads its voices and the
// speech window; each is timed in a fresh process of this benchmark, in turn with a run of the
// command line, which starts espeak-ng afresh every time. Warm: later calls in one process, in turn
// with later runs of the command line. Both sides find espeak-ng's data alike: first dropped from
// the page cache before each run (as after a restart), then read into it once beforehand.
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
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <espeak-ng/speak_lib.h>
#include <fcntl.h>
#include <semaphore>

namespace {
const QString sentence = QString::fromUtf8("El gat negre dorm tranquil sobre la catifa del menjador.");
constexpr int coldRuns = 11, warmRuns = 9;
constexpr double coldLimit = 1.0, warmLimit = 0.25;

// The program's speech set-up, with a stopwatch on SpeakText.
class Speaker {
public:
    Speaker()
        : services(dialogs, launcher, office, speech, spelling, displayModes, printing, random, forms, state,
                   dir.filePath("program"), dir.filePath("scratch")) {
        services.pauseScale = 0;
        forms.setServices(&services);
        clock.start();
        // The tap sees each block before it goes to the sound device.
        speech.setTap([this](const QString&, const qint16*, int) {
            if (waiting.exchange(false)) {
                heardAt = clock.nsecsElapsed();
                heard.release();
            }
        });
    }

    // Milliseconds from SpeakText to the first samples; -1 when none came.
    double timeSpeakText() {
        waiting = true;
        const qint64 start = clock.nsecsElapsed();
        SpeakText(services, sentence);
        if (!heard.try_acquire_for(std::chrono::seconds(20))) return -1;
        const double ms = (heardAt - start) / 1e6;
        speech.stop(); // cut it short: the benchmark need not be heard
        speech.waitUntilIdle(20000);
        return ms;
    }

private:
    QTemporaryDir dir;
    // Made before the engine, so they outlast its worker thread.
    std::atomic<bool> waiting{false};
    std::binary_semaphore heard{0};
    QElapsedTimer clock;
    std::atomic<qint64> heardAt{0};
    QtDialogs dialogs;
    DesktopLauncher launcher;
    ScratchOfficeSuite office{launcher, dir.filePath("scratch")}; // never used here
    EspeakSpeech speech;
    NoDisplayModes displayModes;
    QtPrinting printing; // never used here
    Random random;
    SharedState state;
    Forms forms;
    HunspellSpellChecker spelling; // never used here; reads nothing
    Services services;
};

// Puts espeak-ng's data in the page cache, or with evict drops it from there (as after a restart).
void cacheVoiceData(bool evict) {
    const char* data = nullptr;
    espeak_Info(&data);
    QDirIterator files(QFile::decodeName(data ? data : ""), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile f(files.next());
        if (!f.open(QIODevice::ReadOnly)) continue;
        if (evict)
            ::posix_fadvise(f.handle(), 0, 0, POSIX_FADV_DONTNEED);
        else
            while (!f.read(1 << 16).isEmpty()) {
            }
    }
}

// A fresh process of this benchmark that times its first SpeakText.
double timeFirstCall(const QString& self) {
    QProcess p;
    p.start(self, {QStringLiteral("--first-call")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return -1;
    bool ok = false;
    const double ms = p.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok ? ms : -1;
}

struct Figures {
    std::vector<double> ours, theirs, ratios;
    bool failed = false;
    void add(double o, double t) {
        if (o < 0 || t < 0) failed = true;
        ours.push_back(o);
        theirs.push_back(t);
        ratios.push_back(o / t);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    offscreenWithoutDisplay();
    QApplication app(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--first-call") == 0) {
        Speaker speaker;
        std::printf("%.3f\n", speaker.timeSpeakText());
        return 0;
    }

    const QString espeak = QStandardPaths::findExecutable("espeak-ng");
    if (espeak.isEmpty()) {
        std::fprintf(stderr, "espeak-ng's command line is not installed\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString wav = dir.filePath("out.wav");
    const auto timeCommandLine = [&]() -> double {
        QProcess p;
        QElapsedTimer t;
        t.start();
        p.start(espeak, {"-v", "ca", "-w", wav, sentence});
        if (!p.waitForFinished(20000) || p.exitCode() != 0) return -1;
        return t.nsecsElapsed() / 1e6;
    };

    const QString self = QCoreApplication::applicationFilePath();
    Figures disk;
    for (int i = 0; i < coldRuns; ++i) {
        cacheVoiceData(true);
        const double theirs = timeCommandLine();
        cacheVoiceData(true);
        disk.add(timeFirstCall(self), theirs);
    }
    cacheVoiceData(false);
    Figures cold, warm;
    double firstRun = -1;
    for (int i = 0; i < coldRuns; ++i) {
        const double theirs = timeCommandLine();
        if (i == 0) firstRun = theirs;
        cold.add(timeFirstCall(self), theirs);
    }
    Speaker speaker;
    speaker.timeSpeakText(); // this process's own first call
    for (int i = 0; i < warmRuns; ++i)
        warm.add(speaker.timeSpeakText(), timeCommandLine());
    if (disk.failed || cold.failed || warm.failed) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }

    const double diskRatio = median(disk.ratios), coldRatio = median(cold.ratios),
                 warmRatio = median(warm.ratios);
    std::printf("with espeak-ng's data dropped from the page cache before each: first SpeakText %.2f ms, "
                "espeak-ng %.2f ms, ratio %.2f (limit %.2f)\n",
                median(disk.ours), median(disk.theirs), diskRatio, coldLimit);
    std::printf("first SpeakText of a process (starts espeak-ng, loads the voices and TATA): %.2f ms "
                "(median of %d processes)\n",
                median(cold.ours), coldRuns);
    std::printf("espeak-ng -v ca -w out.wav in turn with those: %.2f ms (first run %.2f ms)\n",
                median(cold.theirs), firstRun);
    std::printf("cold ratio: %.2f (median of the pairs' ratios; limit %.2f)\n", coldRatio, coldLimit);
    std::printf("later SpeakText to first samples: %.2f ms (median of %d)\n", median(warm.ours), warmRuns);
    std::printf("espeak-ng -v ca -w out.wav in turn with those: %.2f ms\n", median(warm.theirs));
    std::printf("warm ratio: %.2f (median of the pairs' ratios; limit %.2f)\n", warmRatio, warmLimit);
    return diskRatio <= coldLimit && coldRatio <= coldLimit && warmRatio <= warmLimit ? 0 : 1;
}
