// Random use of every window: clicks, drags, typing, keys, wheels and menu commands on whatever
// control is showing, with the dialogs answering at random (files that exist, folders, names
// that do not, damaged copies, FIFOs), until the window is closed or the steps run out. A crash,
// a hang or a sanitizer report fails the run; each step is logged first, so the last line says
// what did it.
// MONKEY_SEED, MONKEY_STEPS and MONKEY_WINDOWS (names, comma-separated) change the run.
#include "core/folders.h"
#include "platform/dialogs.h"
#include "testservices.h"
#include "watchdog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <cstdio>
#include <sys/stat.h>

namespace {

QString describe(const QWidget* w) {
    QStringList parts;
    for (const QWidget* p = w; p; p = p->isWindow() ? nullptr : p->parentWidget())
        parts.prepend(p->objectName().isEmpty() ? QString::fromLatin1(p->metaObject()->className())
                                                : p->objectName());
    return parts.join(QLatin1Char('.'));
}

void logStep(const QString& text) {
    std::fprintf(stderr, "monkey: %s\n", qPrintable(text));
    std::fflush(stderr);
}

// Closes whatever modal dialog or popup menu a step left open, so a nested event loop returns.
class Closer : public QObject {
public:
    Closer() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            if (QWidget* modal = QApplication::activeModalWidget()) {
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

const QString typedTexts[] = {
    QStringLiteral("a"),        QStringLiteral("casa"),
    QStringLiteral("àèéíòóúç"), QStringLiteral("l·l"),
    QStringLiteral("12"),       QStringLiteral("0"),
    QStringLiteral("-5"),       QStringLiteral("999999"),
    QStringLiteral("1,5"),      QStringLiteral("  "),
    QStringLiteral("../x"),     QStringLiteral("a/b"),
    QStringLiteral("ÑÜ€"),      QStringLiteral("x y z"),
    QStringLiteral("*?\"<>|"),  QString(300, QLatin1Char('m')),
};

const int keys[] = {Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete,
                    Qt::Key_Tab,    Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up,        Qt::Key_Down,
                    Qt::Key_Home,   Qt::Key_End,    Qt::Key_PageUp, Qt::Key_PageDown,  Qt::Key_Space,
                    Qt::Key_F1,     Qt::Key_F2,     Qt::Key_F5,     Qt::Key_A,         Qt::Key_Z,
                    Qt::Key_0,      Qt::Key_Insert, Qt::Key_Backtab};

// Types a text character by character as the keyboard would, accented letters included.
void typeText(QPointer<QWidget> w, const QString& text) {
    for (const QChar c : text) {
        if (!w) return;
        const int key = c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char(' '))
                            ? int(c.toUpper().unicode())
                            : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        if (!w) return;
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private:
    QRandomGenerator rng;
    QStringList damaged;

    int pick(int n) { return n <= 0 ? 0 : int(rng.bounded(n)); }

    // Scripted answers for whatever the step may ask.
    void scriptDialogs(TestServices& t, const QStringList& files) {
        for (int i = 0; i < 3; ++i) {
            switch (pick(6)) {
            case 0:
                t.dialogs.cancelOpen();
                break;
            case 1:
                t.dialogs.failOpen();
                break;
            default: {
                const int which = pick(files.size() + 4);
                QString path;
                if (which < files.size())
                    path = files.at(which);
                else if (which == files.size())
                    path = t.programFolder();
                else if (which == files.size() + 1)
                    path = t.programFolder() + QStringLiteral("/no such file.txt");
                else if (which == files.size() + 2)
                    path = t.scratchFolder() + QStringLiteral("/nou.txt");
                else
                    path = QStringLiteral("/dev/null");
                t.dialogs.answerOpen(path);
            }
            }
            t.dialogs.answerYesNo(rng.bounded(2));
            t.dialogs.answerOkCancel(rng.bounded(2));
            t.dialogs.answerUnsaved(Dialogs::Unsaved(rng.bounded(3)));
            if (pick(4) == 0)
                t.dialogs.answerInput(std::nullopt);
            else
                t.dialogs.answerInput(typedTexts[pick(std::size(typedTexts))]);
        }
    }

    QList<QWidget*> targets() {
        QList<QWidget*> out;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible() || qobject_cast<QMenu*>(top)) continue;
            out.append(top);
            for (QWidget* w : top->findChildren<QWidget*>())
                if (w->isVisible() && w->isEnabled() && w->width() > 0 && w->height() > 0) out.append(w);
        }
        return out;
    }

    // Damaged files beside the first two of each kind in each folder the program ships: cut
    // short, cut to one byte, with bytes changed, of another kind under the name, empty; and a
    // FIFO. Numbered files get damaged ones numbered past the shipped.
    QStringList damagedCopies(const QStringList& shipped) {
        QStringList out;
        QHash<QString, int> perKind;
        QByteArray foreign;
        int number = 9000;
        for (const QString& path : shipped) {
            const QFileInfo info(path);
            if (!info.isFile() || perKind[info.absolutePath() + info.suffix()]++ >= 2) continue;
            QFile in(path);
            if (!in.open(QIODevice::ReadOnly)) continue;
            const QByteArray bytes = in.readAll();
            QByteArray changed = bytes;
            for (int i = 0; i < 1 + changed.size() / 50 && !changed.isEmpty(); ++i)
                changed[pick(changed.size())] = char(pick(256));
            const QList<QByteArray> versions = {
                bytes.left(bytes.size() / 2), bytes.left(1), changed, foreign, {}, {}};
            foreign = bytes.left(4096);
            const QString base = info.completeBaseName();
            bool numbered = false;
            base.toInt(&numbered);
            for (qsizetype v = 0; v < versions.size(); ++v) {
                const QString name = info.dir().filePath(
                    (numbered ? QString::number(number++).rightJustified(base.size(), u'0')
                              : QStringLiteral("%1-%2").arg(base).arg(v)) +
                    QLatin1Char('.') + info.suffix());
                if (v == versions.size() - 1) {
                    if (::mkfifo(QFile::encodeName(name).constData(), 0600) == 0) out.append(name);
                    continue;
                }
                QFile file(name);
                if (!file.open(QIODevice::WriteOnly) || file.write(versions.at(v)) != versions.at(v).size())
                    continue;
                out.append(name);
            }
        }
        return out;
    }

    QPoint somewhere(QWidget* w) { return QPoint(pick(w->width()), pick(w->height())); }

    void step(TestServices& t, const QStringList& files, int n) {
        scriptDialogs(t, files);
        const QList<QWidget*> all = targets();
        if (all.isEmpty()) return;
        QPointer<QWidget> w = all.at(pick(all.size()));
        const QString who = describe(w);
        const int action = pick(100);
        if (action < 30) {
            const QPoint at = somewhere(w);
            logStep(QStringLiteral("%1 click %2 at %3,%4").arg(n).arg(who).arg(at.x()).arg(at.y()));
            QTest::mouseClick(w, Qt::LeftButton, {}, at);
        } else if (action < 38) {
            const QPoint at = somewhere(w);
            logStep(QStringLiteral("%1 double click %2 at %3,%4").arg(n).arg(who).arg(at.x()).arg(at.y()));
            QTest::mouseDClick(w, Qt::LeftButton, {}, at);
        } else if (action < 42) {
            const QPoint at = somewhere(w);
            logStep(QStringLiteral("%1 right click %2 at %3,%4").arg(n).arg(who).arg(at.x()).arg(at.y()));
            QTest::mouseClick(w, Qt::RightButton, {}, at);
        } else if (action < 50) {
            const QPoint from = somewhere(w);
            const QPoint to = QPoint(pick(w->width() + 200) - 100, pick(w->height() + 200) - 100);
            logStep(QStringLiteral("%1 drag %2 from %3,%4 to %5,%6")
                        .arg(n)
                        .arg(who)
                        .arg(from.x())
                        .arg(from.y())
                        .arg(to.x())
                        .arg(to.y()));
            QTest::mousePress(w, Qt::LeftButton, {}, from);
            if (w) QTest::mouseMove(w, (from + to) / 2);
            if (w) QTest::mouseMove(w, to);
            if (w) QTest::mouseRelease(w, Qt::LeftButton, {}, to);
        } else if (action < 62) {
            const QString text = typedTexts[pick(std::size(typedTexts))];
            logStep(QStringLiteral("%1 type %2 into %3").arg(n).arg(text.left(20), who));
            w->setFocus();
            typeText(w, text);
        } else if (action < 78) {
            const int key = keys[pick(std::size(keys))];
            const Qt::KeyboardModifiers mods = pick(5) == 0   ? Qt::ControlModifier
                                               : pick(6) == 0 ? Qt::ShiftModifier
                                                              : Qt::NoModifier;
            logStep(QStringLiteral("%1 key %2 mods %3 on %4").arg(n).arg(key, 0, 16).arg(int(mods)).arg(who));
            w->setFocus();
            QTest::keyClick(w, Qt::Key(key), mods);
        } else if (action < 84) {
            const QPoint at = somewhere(w);
            const int delta = pick(2) ? 120 : -120;
            logStep(QStringLiteral("%1 wheel %2 on %3").arg(n).arg(delta).arg(who));
            QWheelEvent wheel(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(w, &wheel);
        } else if (action < 97) {
            QWidget* top = w->window();
            QList<QAction*> actions;
            if (auto* bar = top->findChild<QMenuBar*>()) {
                for (QMenu* menu : bar->findChildren<QMenu*>())
                    for (QAction* a : menu->actions())
                        if (a->isEnabled() && !a->menu() && !a->isSeparator()) actions.append(a);
            }
            if (actions.isEmpty()) return;
            QAction* a = actions.at(pick(actions.size()));
            logStep(QStringLiteral("%1 menu %2: %3").arg(n).arg(describe(top), a->text()));
            a->trigger();
        } else {
            const QStringList names = t.forms().names();
            const QString name = names.at(pick(names.size()));
            logStep(QStringLiteral("%1 show %2").arg(n).arg(name));
            t.forms().show(name);
        }
        QCoreApplication::processEvents();
        if (n % 10 == 0) QTest::qWait(2);
    }

private Q_SLOTS:
    void everyWindow_data() {
        QTest::addColumn<QString>("name");
        TestServices t;
        QStringList names = t.forms().names();
        const QString only = qEnvironmentVariable("MONKEY_WINDOWS");
        if (!only.isEmpty()) names = only.split(QLatin1Char(','));
        for (const QString& name : names)
            if (!name.startsWith(QLatin1String("resolucion"))) QTest::newRow(qPrintable(name)) << name;
    }
    void everyWindow() {
        QFETCH(QString, name);
        const quint32 seed = qEnvironmentVariableIntValue("MONKEY_SEED") + qHash(name);
        const int steps =
            qEnvironmentVariableIsSet("MONKEY_STEPS") ? qEnvironmentVariableIntValue("MONKEY_STEPS") : 150;
        rng.seed(seed);
        logStep(QStringLiteral("window %1 seed %2").arg(name).arg(seed));
        Watchdog watchdog(QStringLiteral("monkey on ") + name, std::chrono::seconds(120));
        Closer closer;
        TestServices t;
        seedFolder(QStringLiteral(":/ship"), t.programFolder());
        QStringList files;
        for (QDirIterator it(t.programFolder(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            files.append(it.next());
        files.sort();
        damaged = damagedCopies(files);
        t.forms().show(QStringLiteral("form1"));
        QVERIFY(t.forms().show(name));
        for (int n = 0; n < steps; ++n) {
            if (!t.forms().isLoaded(name)) {
                logStep(QStringLiteral("%1 reopen %2").arg(n).arg(name));
                t.forms().show(name);
            }
            step(t, files, n);
        }
        t.forms().unloadAll();
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
