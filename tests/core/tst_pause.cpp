// The pause: its length, painting and timers going on, input held back until the caller is done,
// and a window closed meanwhile.
#include "core/pause.h"
#include "testservices.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {
// Records its paints and the input it receives (also into a shared log, when given one).
class Recorder : public QWidget {
public:
    int paints = 0;
    QStringList input;
    QStringList* log = nullptr;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
    void mousePressEvent(QMouseEvent* e) override {
        record(QStringLiteral("press %1").arg(e->position().x()));
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        record(QStringLiteral("release %1").arg(e->position().x()));
    }
    void keyPressEvent(QKeyEvent* e) override { record(QStringLiteral("key ") + e->text()); }
    void keyReleaseEvent(QKeyEvent*) override {}

private:
    void record(const QString& what) {
        input << what;
        if (log) *log << what;
    }
};
} // namespace

class TestPause : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lengthFollowsTheScale_data() {
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("atLeast");
        QTest::newRow("as given") << 80 << 100 << 75;
        QTest::newRow("half") << 160 << 50 << 75;
        QTest::newRow("off in tests") << 5000 << 0 << 0;
    }
    void lengthFollowsTheScale() {
        QFETCH(int, milliseconds);
        QFETCH(int, scale);
        QFETCH(int, atLeast);
        TestServices t;
        t.services().pauseScale = scale;
        QObject guard;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(pause(t.services(), milliseconds, &guard));
        QVERIFY(clock.elapsed() >= atLeast);
        if (scale == 0) QVERIFY(clock.elapsed() < 1000);
    }

    void paintsAndHoldsInputUntilTheCallerIsDone() {
        TestServices t;
        t.services().pauseScale = 100;
        Recorder w;
        w.resize(100, 100);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const int paintsBefore = w.paints;
        bool timerRan = false;
        QTimer::singleShot(20, &w, [&] {
            timerRan = true;
            w.update();
            QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(10, 10));
            QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(20, 20));
            QTest::keyClick(&w, Qt::Key_X);
            QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, QPoint(30, 30));
        });
        QVERIFY(pause(t.services(), 150, &w));
        QVERIFY(timerRan);
        QVERIFY(w.paints > paintsBefore); // the window went on painting
        QCOMPARE(w.input, QStringList{}); // nothing reached it during the pause
        w.input << QStringLiteral("after the pause");
        QCoreApplication::processEvents();
        QCOMPARE(w.input, (QStringList{"after the pause", "press 10", "release 10", "press 20", "release 20",
                                       "key x", "press 30", "release 30"}));
    }

    void windowClosedDuringThePause_data() {
        QTest::addColumn<bool>("destroyed");
        QTest::newRow("closed") << false;
        QTest::newRow("destroyed") << true;
    }
    void windowClosedDuringThePause() {
        QFETCH(bool, destroyed);
        TestServices t;
        t.services().pauseScale = 100;
        auto* w = new QWidget;
        w->setAttribute(Qt::WA_DeleteOnClose);
        QStringList log;
        auto* child = new Recorder;
        child->setParent(w);
        child->resize(50, 50);
        child->log = &log;
        Recorder outside;
        outside.log = &log;
        w->show();
        outside.show();
        QPointer<QWidget> alive(w);
        QTimer::singleShot(20, [&] {
            QTest::mouseClick(child, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseClick(&outside, Qt::LeftButton, {}, QPoint(6, 6));
            if (destroyed)
                delete w;
            else
                w->close();
        });
        QVERIFY(!pause(t.services(), 1000, w));
        // A closed window is deleted once the caller has returned, not under its feet; the
        // clicks made on it meanwhile are dropped, those on other windows kept.
        QCOMPARE(alive.isNull(), destroyed);
        QTRY_VERIFY(alive.isNull());
        QTRY_COMPARE(log, (QStringList{"press 6", "release 6"}));
    }

    void aWindowLeftOpenIsKept() {
        TestServices t;
        t.services().pauseScale = 100;
        auto* w = new QWidget;
        w->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<QWidget> alive(w);
        auto* closedMeanwhile = new QWidget;
        closedMeanwhile->setAttribute(Qt::WA_DeleteOnClose);
        closedMeanwhile->show();
        QPointer<QWidget> otherGone(closedMeanwhile);
        QTimer::singleShot(20, closedMeanwhile, &QWidget::close);
        QVERIFY(pause(t.services(), 150, w)); // another window closing is no concern of the caller
        QTRY_VERIFY(otherGone.isNull());
        QVERIFY(alive);
        delete w;
    }
};

QTEST_MAIN(TestPause)
#include "tst_pause.moc"
