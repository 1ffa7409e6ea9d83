// Time from choosing an activity item of the main window's menu to the end of the first paint of
// the window it opens, for every activity item: its first opening in the process, and again after
// a close. Each is set against a bare widget of the window's size shown in the same run. Then the
// memory: what each window adds when it opens (each in a process of its own), and what the
// program holds after every window has been opened and closed.
// Window names as arguments time only those windows (no memory), and list the slowest paints of
// their controls, to see where an opening goes (with FIRSTPAINTS set in the environment, also the
// controls whose first paint took longest beyond their usual one).
#include "app/application.h"
#include "benchsetup.h"
#include "core/forms.h"
#include "core/sharedstate.h"
#include "median.h"
#include "shell/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>

namespace {
// Times every paint event by the control it paints, when asked.
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool timing = false;
    bool measuring = false;
    std::map<QString, std::vector<double>> paints;
    bool notify(QObject* o, QEvent* e) override {
        if (!timing || !measuring || e->type() != QEvent::Paint || !o->isWidgetType())
            return QApplication::notify(o, e);
        const QString name =
            static_cast<QWidget*>(o)->window()->objectName() + QLatin1Char('.') +
            (o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName());
        QElapsedTimer t;
        t.start();
        const bool done = QApplication::notify(o, e);
        paints[name].push_back(t.nsecsElapsed() / 1e6);
        return done;
    }
};

// Ends the loop once the first paint of the watched window is over: a timer started inside the
// first paint event fires after the whole paint and its flush.
class FirstPaint : public QObject {
public:
    QWidget* widget = nullptr; // a bare widget, or
    QString window;            // the object name of a window
    QEventLoop* loop = nullptr;
    QElapsedTimer clock;
    double ms = -1;
    bool painted = false;

    void start(QEventLoop* l) {
        loop = l;
        painted = false;
        ms = -1;
        clock.start();
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && loop && !painted && o->isWidgetType()) {
            QWidget* top = static_cast<QWidget*>(o)->window();
            if ((widget && top == widget) || (!widget && top->objectName() == window)) {
                painted = true;
                QTimer::singleShot(0, this, [this] {
                    ms = clock.nsecsElapsed() / 1e6;
                    if (loop) loop->quit();
                    loop = nullptr;
                });
            }
        }
        return QObject::eventFilter(o, e);
    }
};

struct Item {
    const char* control;
    const char* window;
};
const Item items[] = {
    {"PP16", "Form6"},
    {"PP2", "formk"},
    {"PP3", "amaga"},
    {"PP4", "escritors"},
    {"PP53", "palabrejas"},
    {"PP5", "trobass"},
    {"SSSS", "dicci"},
    {"PAOLOS", "trenta"},
    {"DITASS", "Form15"},
    {"PP12", "Form2"},
    {"PP13", "Form5"},
    {"PP14", "Form7"},
    {"SSSSSSS", "letrascolores"},
    {"ssssssssssd", "Form16"},
    {"PP15", "Form61"},
    {"DDSOPASSSS", "Form19"},
    {"OO2", "Form3"},
    {"OO23", "Form10"},
    {"OO24", "Form9"},
    {"SSSSDDD", "Form4"},
    {"PP33W", "Form12"},
    {"ERR", "Form11"},
    {"PP4444", "COMPRAWWW"},
    {"CARGASS", "movile"},
    {"OMPDOCI", "Form13"},
    {"SSSSSSSSSSSSSSSSSS", "Form17"},
    {"ORRR", "cancions"},
    {"PP73", "form50"},
    {"PP33", "Form14"},
    {"FDDDD", "Form18"},
    {"ORENAPARAULES", "Form26"},
    {"fffgg", "Form8"},
    {"PRPR", "todossi"},
    {"SONS", "TATA"},
};

// The resident memory of this process, in MiB.
double residentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Program {
    Application app;
    form1* main = nullptr;
    FirstPaint filter;
    double loadMs = 0; // from the menu item to the end of the window's Form_Load

    Program() {
        app.start();
        main = qobject_cast<form1*>(app.services().forms.loaded(QStringLiteral("form1")));
        QObject::connect(&app.services().forms, &Forms::formLoaded, &filter,
                         [this] { loadMs = filter.clock.nsecsElapsed() / 1e6; });
        qApp->installEventFilter(&filter);
        // The main window's first paint and fonts, and what start() readies afterwards, before
        // anything is timed.
        settle(Application::PrepareSpeechAfterMs + 300);
    }
    ~Program() {
        qApp->removeEventFilter(&filter);
        app.services().state.clearActivityCode();
    }

    // Chooses the menu item; the time to the end of the window's first paint, or -1.
    double open(const Item& item) {
        QAction* action = main->findChild<QAction*>(QString::fromLatin1(item.control));
        if (!action) {
            std::fprintf(stderr, "no menu item %s\n", item.control);
            return -1;
        }
        filter.widget = nullptr;
        filter.window = QString::fromLatin1(item.window);
        return wait([action] { action->trigger(); });
    }
    void close(const Item& item) {
        app.services().forms.unload(QString::fromLatin1(item.window));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QSize size(const Item& item) {
        QWidget* w = app.services().forms.loaded(QString::fromLatin1(item.window));
        return w ? w->size() : QSize();
    }
    // A bare widget of the size shown; the time to the end of its first paint.
    double bare(QSize size) {
        QWidget widget;
        widget.resize(size);
        filter.widget = &widget;
        const double ms = wait([&widget] { widget.show(); });
        filter.widget = nullptr;
        return ms;
    }

private:
    template <class F> double wait(F begin) {
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        timeout.start(5000);
        filter.start(&loop);
        static_cast<TimedApplication*>(qApp)->measuring = true;
        begin();
        if (filter.loop) loop.exec();
        static_cast<TimedApplication*>(qApp)->measuring = false;
        filter.loop = nullptr;
        return filter.ms;
    }
};

// A process of its own: the memory one window adds when it opens, printed as "MiB".
int windowMemory(const QString& control) {
    Program program;
    for (const Item& item : items) {
        if (QString::fromLatin1(item.control) != control) continue;
        const double before = residentMiB();
        if (program.open(item) < 0) return 1;
        settle(100);
        std::printf("%.2f\n", residentMiB() - before);
        program.close(item);
        return 0;
    }
    return 1;
}

double childMemory(const char* control) {
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--memory"), QString::fromLatin1(control)});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return -1;
    return p.readAllStandardOutput().trimmed().toDouble();
}
} // namespace

int main(int argc, char* argv[]) {
    BenchHome home;
    quietOffscreenNotes();
    TimedApplication qapp(argc, argv);
    setUpApplication();
    if (argc == 3 && qstrcmp(argv[1], "--memory") == 0) return windowMemory(QString::fromLatin1(argv[2]));
    QStringList only;
    for (int i = 1; i < argc; ++i)
        only << QString::fromLocal8Bit(argv[i]);
    qapp.timing = !only.isEmpty();

    constexpr double FrameMs = 16, Target = 1.5, Limit = 2.0;
    constexpr int Reopenings = 5;
    bool failed = false;
    double startMiB = 0, endMiB = 0;
    {
        Program program;
        startMiB = residentMiB();
        std::printf("%-14s %9s %9s %9s %9s %9s %7s %7s\n", "window", "first ms", "again ms", "load 1st",
                    "load ms", "bare ms", "first x", "again x");
        int overFrame = 0, overTarget = 0;
        for (const Item& item : items) {
            if (!only.isEmpty() && !only.contains(QString::fromLatin1(item.window))) continue;
            const double first = program.open(item);
            const double firstLoad = program.loadMs;
            if (first < 0) {
                std::fprintf(stderr, "%s never painted\n", item.window);
                return 1;
            }
            const QSize size = program.size(item);
            program.close(item);
            std::vector<double> again, bare, load;
            for (int i = 0; i < Reopenings; ++i) {
                bare.push_back(program.bare(size));
                again.push_back(program.open(item));
                load.push_back(program.loadMs);
                program.close(item);
            }
            const double a = median(again), b = median(bare);
            const double firstRatio = first / b, againRatio = a / b;
            const bool over = firstRatio > Limit || againRatio > Limit;
            failed = failed || over;
            overFrame += (first > FrameMs) + (a > FrameMs);
            overTarget += (firstRatio > Target) + (againRatio > Target);
            std::printf("%-14s %9.1f %9.1f %9.1f %9.1f %9.1f %7.2f %7.2f%s\n", item.window, first, a,
                        firstLoad, median(load), b, firstRatio, againRatio, over ? "  over the limit" : "");
        }
        std::printf("openings over %.0f ms: %d; over %.1fx a bare widget: %d; limit %.1fx\n", FrameMs,
                    overFrame, Target, overTarget, Limit);
        settle(100);
        endMiB = residentMiB();
    }
    if (!only.isEmpty()) {
        // The controls whose paints took longest, in total an opening, with their number.
        std::vector<std::tuple<double, double, QString>> slowest;
        std::map<QString, double> perWindow;
        for (const auto& [name, times] : qapp.paints) {
            double total = 0;
            for (double t : times)
                total += t / (Reopenings + 1);
            slowest.emplace_back(total, double(times.size()) / (Reopenings + 1), name);
            perWindow[name.section(QLatin1Char('.'), 0, 0)] += total;
        }
        for (const auto& [window, ms] : perWindow)
            std::printf("  paints of %s: %.2f ms an opening\n", qPrintable(window), ms);
        std::sort(slowest.rbegin(), slowest.rend());
        if (qEnvironmentVariableIsSet("FIRSTPAINTS")) {
            std::vector<std::pair<double, QString>> firsts;
            for (const auto& [name, times] : qapp.paints)
                firsts.emplace_back(times.front() - median(times), name);
            std::sort(firsts.rbegin(), firsts.rend());
            for (size_t i = 0; i < std::min<size_t>(15, firsts.size()); ++i)
                std::printf("  first paint longer by %6.2f ms  %s\n", firsts[i].first,
                            qPrintable(firsts[i].second));
        }
        for (size_t i = 0; i < std::min<size_t>(20, slowest.size()); ++i)
            std::printf("  paint %6.2f ms in %4.1f paints an opening  %s\n", std::get<0>(slowest[i]),
                        std::get<1>(slowest[i]), qPrintable(std::get<2>(slowest[i])));
        return failed ? 1 : 0;
    }

    double largest = 0;
    const char* largestName = "";
    for (const Item& item : items) {
        const double mib = childMemory(item.control);
        if (mib < 0) {
            std::fprintf(stderr, "the memory of %s could not be measured\n", item.window);
            return 1;
        }
        if (mib > largest) {
            largest = mib;
            largestName = item.window;
        }
    }
    const double allowed = 1.2 * (startMiB + largest);
    std::printf("memory after start %.1f MiB; largest window %s +%.1f MiB; after opening and closing every "
                "window %.1f MiB, ratio %.2f (limit 1.20)\n",
                startMiB, largestName, largest, endMiB, endMiB / (startMiB + largest));
    failed = failed || endMiB > allowed;
    return failed ? 1 : 0;
}
