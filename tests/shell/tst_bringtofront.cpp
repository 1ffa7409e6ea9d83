// Handing the focus back to the open activity when the mouse moves over the main window's
// background: the table and its choice on their own, then the main window driving it.
#include "core/controls.h"
#include "shell/bringtofront.h"
#include "shell/form1.h"
#include "testservices.h"

#include <QApplication>
#include <QSet>
#include <QTest>
#include <QWindow>

class TestBringToFront : public QObject {
    Q_OBJECT
private:
    // Moves the mouse over the point of the main window's client area, as the user would.
    // A move to where the pointer already is would be no move, so each one shifts a little.
    static void moveOver(QWidget* w, QPoint at) {
        static int shift = 0;
        shift = (shift + 1) % 8;
        // Through the window, so the move reaches the widget under the pointer the way a real one does.
        QWindow* window = w->window()->windowHandle();
        QTest::mouseMove(window, window->mapFromGlobal(w->mapToGlobal(at + QPoint(shift, 0))));
    }
    // Left of the picture menu.
    static void moveOverBackground(form1& f) { moveOver(f.client, QPoint(60, 300)); }

    // Shows the main window and makes it the active window, as after a click on it.
    static form1& activeMainWindow(TestServices& t) {
        form1& f = t.forms().show<form1>();
        f.activateWindow();
        if (!QTest::qWaitForWindowActive(&f)) qWarning("main window not active");
        return f;
    }

private Q_SLOTS:
    void table() {
        const auto& table = bringToFrontTable();
        QCOMPARE(table.front().code, 7);
        QCOMPARE(QString(table.front().window), QString("Form2"));
        QCOMPARE(QString(table.back().window), QString("Form17"));
        QSet<int> codes;
        QSet<QString> windows;
        for (const FrontEntry& e : table) {
            codes << e.code;
            windows << QString(e.window);
        }
        QCOMPARE(windows.size(), 32);
        // Every activity code but the cube's.
        const QSet<int> expected{1,   2,   3,   6,   7,   9,    10,   11,   12,   14,  15,
                                 16,  17,  18,  19,  20,  21,   100,  101,  103,  104, 200,
                                 300, 500, 700, 800, 999, 1000, 4444, 5000, 44444};
        QCOMPARE(codes, expected);
        TestServices t;
        for (const QString& w : windows)
            QVERIFY2(t.forms().isRegistered(w), qPrintable(w));
    }

    void choice_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("open");
        QTest::addColumn<QStringList>("focused");
        const QStringList all = [] {
            QStringList n;
            for (const FrontEntry& e : bringToFrontTable())
                n << QString(e.window);
            return n << "Form5"
                     << "Form19"
                     << "grabaci";
        }();
        QTest::newRow("no code") << 0 << all << QStringList{};
        QTest::newRow("cube has no entry") << 8 << all << QStringList{};
        QTest::newRow("unknown code") << 4242 << all << QStringList{};
        QTest::newRow("write a word") << 3 << QStringList{"escritors", "Form19"} << QStringList{"escritors"};
        QTest::newRow("window closed") << 3 << QStringList{"Form19"} << QStringList{};
        QTest::newRow("code 2, both: amaga then Form15")
            << 2 << QStringList{"Form15", "amaga"} << QStringList{"amaga", "Form15"};
        QTest::newRow("code 2, amaga only") << 2 << QStringList{"amaga"} << QStringList{"amaga"};
        QTest::newRow("code 2, Form15 only") << 2 << QStringList{"Form15"} << QStringList{"Form15"};
        QTest::newRow("speech window") << 103 << all << QStringList{"TATA"};
        QTest::newRow("last entry") << 44444 << all << QStringList{"Form17"};
        QTest::newRow("worksheets") << 101 << all << QStringList{"todossi"};
    }
    void choice() {
        QFETCH(int, code);
        QFETCH(QStringList, open);
        QFETCH(QStringList, focused);
        QStringList asked;
        const auto isOpen = [&](const QString& name) {
            asked << name;
            return open.contains(name);
        };
        QCOMPARE(windowsToFocus(code, isOpen), focused);
        // Only windows of the code are looked at.
        for (const QString& name : asked) {
            bool ofCode = false;
            for (const FrontEntry& e : bringToFrontTable())
                ofCode |= e.code == code && name == e.window;
            QVERIFY2(ofCode, qPrintable(name));
        }
    }

    void bothCode2WindowsEndWithDictationInFront() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        f.PP3->trigger();
        f.DITASS->trigger();
        QWidget* dictation = t.forms().loaded("Form15");
        QWidget* game = t.forms().loaded("amaga"); // comes forward too, behind Form15
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        moveOverBackground(f);
        QTRY_COMPARE(QApplication::activeWindow(), dictation);
        QVERIFY(game->isVisible());
        QCOMPARE(t.state().ActivityCode(), 2);
    }

    void onlyTheOpenCode2WindowIsFocused() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        f.PP3->trigger(); // amaga, code 2
        activeMainWindow(t);
        moveOverBackground(f);
        QTRY_COMPARE(QApplication::activeWindow(), t.forms().loaded("amaga"));
        QVERIFY(!t.forms().isLoaded("Form15"));
    }

    void focusComesBackAfterEveryMove() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        f.PP4->trigger();        // escritors, code 3
        f.DDSOPASSSS->trigger(); // Form19, no code
        QWidget* writer = t.forms().loaded("escritors");
        QTRY_COMPARE(QApplication::activeWindow(), t.forms().loaded("Form19"));
        moveOverBackground(f);
        QTRY_COMPARE(QApplication::activeWindow(), writer);
        activeMainWindow(t);
        moveOver(f.client, QPoint(20, 40)); // another point of the background
        QTRY_COMPARE(QApplication::activeWindow(), writer);
        QCOMPARE(t.state().ActivityCode(), 3);
    }

    void nothingForTheCubeOrNoCode_data() {
        QTest::addColumn<int>("code");
        QTest::newRow("cube") << 8;
        QTest::newRow("none") << 0;
    }
    void nothingForTheCubeOrNoCode() {
        QFETCH(int, code);
        TestServices t;
        form1& f = t.forms().show<form1>();
        f.PP13->trigger(); // cube, code 8
        t.state().setActivityCode(code);
        activeMainWindow(t);
        moveOverBackground(f);
        QTest::qWait(50);
        QCOMPARE(QApplication::activeWindow(), &f);
    }

    void hiddenOrDisabledWindowIsNeverFocused_data() {
        QTest::addColumn<bool>("hide");
        QTest::newRow("hidden") << true;
        QTest::newRow("disabled") << false;
    }
    void hiddenOrDisabledWindowIsNeverFocused() {
        QFETCH(bool, hide);
        TestServices t;
        form1& f = t.forms().show<form1>();
        f.PP4->trigger();
        QWidget* writer = t.forms().loaded("escritors");
        if (hide)
            writer->hide();
        else
            writer->setEnabled(false);
        activeMainWindow(t);
        moveOverBackground(f);
        QTest::qWait(50);
        QCOMPARE(QApplication::activeWindow(), &f);
        QCOMPARE(writer->isVisible(), !hide);
        // A window of the code that was never loaded stays unloaded.
        t.state().setActivityCode(5000);
        moveOverBackground(f);
        QVERIFY(!t.forms().isLoaded("Form10"));
    }

    void minimizedWindowIsRestored() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        f.PP4->trigger();
        QWidget* writer = t.forms().loaded("escritors");
        writer->showMinimized();
        QVERIFY(writer->isMinimized());
        activeMainWindow(t);
        moveOverBackground(f);
        QTRY_COMPARE(QApplication::activeWindow(), writer);
        QVERIFY(!writer->isMinimized());
    }

    void footerIsNotBackground() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        f.PP4->trigger();
        activeMainWindow(t);
        moveOver(f.Label5, QPoint(f.Label5->width() / 2, 10));
        QTest::qWait(50);
        QCOMPARE(QApplication::activeWindow(), &f);
        moveOverBackground(f);
        QTRY_COMPARE(QApplication::activeWindow(), t.forms().loaded("escritors"));
    }

    // The picture menu's zones, its bare picture and its hover line are controls of their own.
    void pictureMenuIsNotBackground() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        f.PP4->trigger();
        activeMainWindow(t);
        for (QWidget* w : {static_cast<QWidget*>(f.Label8[5]), static_cast<QWidget*>(f.Picture7),
                           static_cast<QWidget*>(f.Picture10), static_cast<QWidget*>(f.Label7)})
            moveOver(w, QPoint(w->width() / 2 - 4, w->height() / 2));
        moveOver(f.Picture7, QPoint(600, 300)); // bare picture
        QTest::qWait(50);
        QCOMPARE(QApplication::activeWindow(), &f);
        moveOverBackground(f);
        QTRY_COMPARE(QApplication::activeWindow(), t.forms().loaded("escritors"));
    }

    void closedWindowIsNotBroughtBack() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        f.PP4->trigger();
        f.DDSOPASSSS->trigger();
        QVERIFY(t.forms().loaded("Form19")->close()); // clears the code of escritors
        QCOMPARE(t.state().ActivityCode(), 0);
        activeMainWindow(t);
        moveOverBackground(f);
        QTest::qWait(50);
        QCOMPARE(QApplication::activeWindow(), &f);
    }
};

QTEST_MAIN(TestBringToFront)
#include "tst_bringtofront.moc"
