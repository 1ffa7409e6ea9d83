// Time from process start to the first paint of the main window, next to the same for a bare
// QMainWindow of the same size, measured in one run (alternating, median of several starts).
// A third start shows the bare window with one line of text: the first text of a process starts
// the font system (fontconfig reads its whole configuration), which no window with words avoids,
// so the main window's limits are checked against that start: its time and its resident memory at
// the first paint.
#include "app/application.h"
#include "core/twips.h"
#include "median.h"
#include "shell/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
// The resident memory of this process, in MiB, read without allocating much.
double residentMiB() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return 0;
    char line[256];
    double kib = 0;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmRSS: %lf", &kib) == 1) break;
    std::fclose(status);
    return kib / 1024;
}

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            std::printf("%.2f\n", residentMiB());
            std::fflush(stdout);
            std::_Exit(0);
        }
        return QObject::eventFilter(o, e);
    }
};

int child(int argc, char* argv[], const std::string& mode) {
    QApplication qapp(argc, argv);
    FirstPaint filter; // the first paint of any widget of the window
    qapp.installEventFilter(&filter);
    if (mode != "form1") {
        auto* w = new QMainWindow;
        w->setFixedSize(twSize(form1::ClientWidthTwips, form1::ClientHeightTwips));
        if (mode == "text") w->setCentralWidget(new QLabel(QStringLiteral("Taudrin"), w));
        w->show();
        return qapp.exec();
    }
    setUpApplication();
    static Application app;
    app.services().forms.show(QStringLiteral("form1"));
    return qapp.exec();
}

struct Start {
    double ms = -1;
    double mib = 0;
};

Start timeStart(const QString& self, const QString& mode, const QProcessEnvironment& env) {
    QProcess p;
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(self, {QStringLiteral("--child"), mode});
    if (!p.waitForStarted(10000)) return {};
    while (!p.canReadLine())
        if (!p.waitForReadyRead(20000)) return {};
    Start s;
    s.ms = t.nsecsElapsed() / 1e6;
    s.mib = p.readLine().trimmed().toDouble();
    p.waitForFinished(5000);
    return s;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::string(argv[1]) == "--child") return child(argc, argv, argv[2]);

    QCoreApplication core(argc, argv);
    QTemporaryDir home; // the children's Taudrin folder and cache, not the user's
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    if (!env.contains(QStringLiteral("DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    const QString self = QCoreApplication::applicationFilePath();
    const QStringList modes{QStringLiteral("form1"), QStringLiteral("bare"), QStringLiteral("text")};
    for (const QString& m : modes)
        timeStart(self, m, env); // the first start seeds the folder, warms caches
    std::vector<std::vector<double>> times(modes.size()), memory(modes.size());
    for (int i = 0; i < 9; ++i) {
        for (int m = 0; m < modes.size(); ++m) {
            const Start s = timeStart(self, modes[m], env);
            if (s.ms < 0) {
                std::fprintf(stderr, "a start failed\n");
                return 1;
            }
            times[m].push_back(s.ms);
            memory[m].push_back(s.mib);
        }
    }
    const double main = median(times[0]), bare = median(times[1]), text = median(times[2]);
    const double mainMiB = median(memory[0]), textMiB = median(memory[2]);
    std::printf("main window first paint: %.1f ms, %.1f MiB (medians of %zu)\n", main, mainMiB,
                times[0].size());
    std::printf("bare window first paint: %.1f ms, ratio %.2f\n", bare, main / bare);
    std::printf("bare window with one line of text: %.1f ms, ratio %.2f (limit 1.20)\n", text, main / text);
    std::printf("memory at first paint against that window: %.1f MiB, ratio %.2f (limit 1.30)\n", textMiB,
                mainMiB / textMiB);
    return main / text <= 1.2 && mainMiB / textMiB <= 1.3 ? 0 : 1;
}
