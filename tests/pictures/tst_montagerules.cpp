// The montage's rules: slots, text sizes and the resize steps.
#include "pictures/montagerules.h"

#include <QTest>

class TestMontageRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void slotsGoRound() {
        QList<int> handed;
        int slot = 0;
        for (int i = 0; i < 11; ++i) {
            handed << slot;
            slot = nextSlot(slot);
        }
        QCOMPARE(handed, QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 0, 1}));
    }

    void textSizes_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("length");
        QTest::addColumn<QSize>("size");
        QTest::newRow("vertical") << "T1" << 5 << QSize(70, 1550);
        QTest::newRow("horizontal") << "T2" << 3 << QSize(600, 50);
        QTest::newRow("column") << "T4" << 12 << QSize(320, 1800);
        QTest::newRow("column, a third of a twip") << "T4" << 7 << QSize(187, 1800);
        QTest::newRow("empty horizontal") << "T2" << 0 << QSize(0, 50);
    }
    void textSizes() {
        QFETCH(QString, kind);
        QFETCH(int, length);
        QFETCH(QSize, size);
        QCOMPARE(textLayerSize(kind, length), size);
    }

    void fontSteps_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("enlarge");
        QTest::addColumn<int>("after");
        QTest::newRow("shrink to the floor") << "T2" << 12 << false << 10;
        QTest::newRow("shrink at the floor") << "T1" << 10 << false << 10;
        QTest::newRow("shrink by five") << "T2" << 22 << false << 17;
        QTest::newRow("grow by five") << "T2" << 12 << true << 17;
        QTest::newRow("horizontal stops at 48") << "T2" << 47 << true << 48;
        QTest::newRow("horizontal at 48") << "T2" << 48 << true << 48;
        QTest::newRow("vertical stops at 30") << "T1" << 27 << true << 30;
    }
    void fontSteps() {
        QFETCH(QString, kind);
        QFETCH(int, points);
        QFETCH(bool, enlarge);
        QFETCH(int, after);
        QCOMPARE(steppedFontSize(kind, points, enlarge), after);
    }

    void factors_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("factor");
        QTest::newRow("T2 10") << "T2" << 10 << 240;
        QTest::newRow("T2 20, upper edge") << "T2" << 20 << 240;
        QTest::newRow("T2 22") << "T2" << 22 << 350;
        QTest::newRow("T2 25") << "T2" << 25 << 350;
        QTest::newRow("T2 27") << "T2" << 27 << 390;
        QTest::newRow("T2 32") << "T2" << 32 << 440;
        QTest::newRow("T2 37") << "T2" << 37 << 520;
        QTest::newRow("T2 42") << "T2" << 42 << 540;
        QTest::newRow("T2 47") << "T2" << 47 << 600;
        QTest::newRow("T2 48") << "T2" << 48 << 600;
        QTest::newRow("T1 17") << "T1" << 17 << 260;
        QTest::newRow("T1 22") << "T1" << 22 << 350;
        QTest::newRow("T1 27") << "T1" << 27 << 390;
        QTest::newRow("T1 30, its limit") << "T1" << 30 << 390;
    }
    void factors() {
        QFETCH(QString, kind);
        QFETCH(int, points);
        QFETCH(int, factor);
        QCOMPARE(sizeFactor(kind, points), factor);
    }

    void everySizeHasAFactor() {
        for (const char* kind : {"T1", "T2"})
            for (int z = 10; z <= 48; ++z)
                QVERIFY2(sizeFactor(QString::fromLatin1(kind), z) > 0, qPrintable(QString::number(z)));
    }

    void textResize_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<bool>>("steps"); // true: enlarge
        QTest::addColumn<int>("points");
        QTest::addColumn<QSize>("size");
        const QSize sol(600, 50);
        QTest::newRow("T2 shrunk to the floor") << "T2" << QList<bool>{false} << 10 << QSize(720, 10);
        QTest::newRow("T2 shrunk then enlarged keeps height 10")
            << "T2" << QList<bool>{false, true} << 15 << QSize(720, 10);
        QTest::newRow("T2 enlarged twice") << "T2" << QList<bool>{true, true} << 22 << QSize(1050, 50);
        QTest::newRow("T1 enlarged twice") << "T1" << QList<bool>{true, true} << 22 << QSize(70, 1785);
        QTest::newRow("T1 enlarged four times")
            << "T1" << QList<bool>{true, true, true, true} << 30 << QSize(70, 1989);
    }
    void textResize() {
        QFETCH(QString, kind);
        QFETCH(QList<bool>, steps);
        QFETCH(int, points);
        QFETCH(QSize, size);
        const QSize start = textLayerSize(kind, 3);
        TextLayerSize now{PlacedTextPoints, start.width(), start.height()};
        for (bool enlarge : steps) {
            const auto after = resizedTextLayer(kind, now, 3, enlarge);
            QVERIFY(after);
            now = *after;
        }
        QCOMPARE(now.points, points);
        QCOMPARE(QSize(now.width, now.height), size);
    }

    void columnsAndNumbersDoNotResize() {
        const TextLayerSize now{12, 320, 1800};
        QVERIFY(!resizedTextLayer("T4", now, 12, true));
        QVERIFY(!resizedTextLayer("T4", now, 12, false));
        QVERIFY(!resizedTextLayer("5", now, 12, true));
    }
};

QTEST_GUILESS_MAIN(TestMontageRules)
#include "tst_montagerules.moc"
