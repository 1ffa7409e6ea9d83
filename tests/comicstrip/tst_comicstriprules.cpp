// The comic strip's rules without a screen: the random board's draw and the caption size steps.
#include "comicstrip/comicstriprules.h"
#include "core/fonts.h"
#include "core/random.h"

#include <QSet>
#include <QTest>

using namespace comicstrip;

class TestComicStripRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomBoardDrawsOverTheWholeList_data() {
        QTest::addColumn<int>("entries");
        QTest::newRow("one") << 1;
        QTest::newRow("two") << 2;
        QTest::newRow("three") << 3;
        QTest::newRow("ten") << 10;
    }
    void randomBoardDrawsOverTheWholeList() {
        QFETCH(int, entries);
        Random random;
        QSet<int> seen;
        for (int round = 0; round < 60; ++round) {
            for (int pick : randomBoard(random, entries)) {
                QVERIFY(pick >= 0 && pick < entries);
                seen << pick;
            }
        }
        QCOMPARE(seen.size(), entries); // the last entry comes up too
    }

    void emptyListGivesNoPictures_data() {
        QTest::addColumn<int>("entries");
        QTest::newRow("empty") << 0;
        QTest::newRow("negative") << -1;
    }
    void emptyListGivesNoPictures() {
        QFETCH(int, entries);
        Random random;
        for (int pick : randomBoard(random, entries))
            QCOMPARE(pick, -1);
    }

    void sizeSteps_data() {
        QTest::addColumn<qreal>("current");
        QTest::addColumn<qreal>("step");
        QTest::addColumn<qreal>("expected"); // -1: refused
        QTest::newRow("bigger") << 32.25 << 3.0 << 35.25;
        QTest::newRow("smaller") << 12.0 << -1.0 << 11.0;
        QTest::newRow("down to the smallest") << 2.0 << -1.0 << 1.0;
        QTest::newRow("below the smallest") << 1.0 << -1.0 << -1.0;
        QTest::newRow("fraction below the smallest") << 1.5 << -1.0 << -1.0;
        QTest::newRow("up to the largest") << 397.0 << 3.0 << 400.0;
        QTest::newRow("past the largest") << 398.0 << 3.0 << -1.0;
    }
    void sizeSteps() {
        QFETCH(qreal, current);
        QFETCH(qreal, step);
        QFETCH(qreal, expected);
        const std::optional<double> size = steppedPointSize(current, step);
        if (expected < 0) {
            QVERIFY(!size);
        } else {
            QVERIFY(size);
            QCOMPARE(*size, expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestComicStripRules)
#include "tst_comicstriprules.moc"
