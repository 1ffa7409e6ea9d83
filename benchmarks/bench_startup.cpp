// Time from process start to the first paint of the main window, next to the same for a bare
// QMainWindow of the same size with a menu bar of as many menus (Qt's own cost of a menu bar, its
// style and its font, is most of a start), measured in one run (alternating, median of several starts).
#include "app/application.h"
#include "shell/form1.h"
#include "shell/twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            std::puts("painted");
            std::fflush(stdout);
            std::_Exit(0);
        }
        return QObject::eventFilter(o, e);
    }
};

int child(int argc, char* argv[], bool bare) {
    QApplication qapp(argc, argv);
    FirstPaint filter; // the first paint of any widget of the window
    qapp.installEventFilter(&filter);
    if (bare) {
        auto* w = new QMainWindow;
        w->setFixedSize(twSize(form1::ClientWidthTwips, form1::ClientHeightTwips));
        for (int i = 0; i < 8; ++i)
            w->menuBar()->addMenu(QStringLiteral("MENU %1").arg(i))->addAction(QStringLiteral("ITEM"));
        w->show();
        return qapp.exec();
    }
    setUpApplication();
    static Application app;
    app.services().forms.show(QStringLiteral("form1"));
    return qapp.exec();
}

double timeStart(const QString& self, const QString& mode, const QProcessEnvironment& env) {
    QProcess p;
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(self, {QStringLiteral("--child"), mode});
    if (!p.waitForStarted(10000)) return -1;
    while (!p.canReadLine())
        if (!p.waitForReadyRead(20000)) return -1;
    const double ms = t.nsecsElapsed() / 1e6;
    p.waitForFinished(5000);
    return ms;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::string(argv[1]) == "--child") return child(argc, argv, std::string(argv[2]) == "bare");

    QCoreApplication core(argc, argv);
    QTemporaryDir home; // the children's Taudrin folder and cache, not the user's
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    if (!env.contains(QStringLiteral("DISPLAY"))) env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    const QString self = QCoreApplication::applicationFilePath();
    timeStart(self, QStringLiteral("form1"), env); // first start seeds the folder and warms caches
    timeStart(self, QStringLiteral("bare"), env);
    std::vector<double> main, bare;
    for (int i = 0; i < 9; ++i) {
        main.push_back(timeStart(self, QStringLiteral("form1"), env));
        bare.push_back(timeStart(self, QStringLiteral("bare"), env));
    }
    if (std::min(*std::min_element(main.begin(), main.end()), *std::min_element(bare.begin(), bare.end())) < 0) {
        std::fprintf(stderr, "a start failed\n");
        return 1;
    }
    const double m = median(main), b = median(bare);
    std::printf("main window first paint: %.1f ms (median of %zu)\n", m, main.size());
    std::printf("bare window first paint: %.1f ms (median of %zu)\n", b, bare.size());
    std::printf("ratio: %.2f (limit 1.50)\n", m / b);
    return m / b <= 1.5 ? 0 : 1;
}
