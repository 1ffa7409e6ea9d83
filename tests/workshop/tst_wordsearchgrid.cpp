// The big word-search grid's numbering, the Enter key's step and the random capitals.
#include "core/random.h"
#include "workshop/wordsearchgrid.h"

#include <QSet>
#include <QTest>

using namespace WordSearchGrid;

class tst_wordsearchgrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void boxAtTable_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("box");
        QTest::newRow("first") << 0 << 0 << 0;
        QTest::newRow("row 0 skips 3") << 0 << 3 << 4;
        QTest::newRow("row 0 last") << 0 << 11 << 12;
        QTest::newRow("3 opens row 1") << 1 << 0 << 3;
        QTest::newRow("row 1 skips 15") << 1 << 3 << 16;
        QTest::newRow("row 1 last") << 1 << 11 << 24;
        QTest::newRow("row 2 first") << 2 << 0 << 25;
        QTest::newRow("row 5 last") << 5 << 11 << 72;
        QTest::newRow("last") << 10 << 11 << 132;
    }
    void boxAtTable() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, box);
        QCOMPARE(boxAt(row, column), std::optional<int>(box));
        QCOMPARE(cellOf(box), std::optional<QPoint>(QPoint(column, row)));
    }

    // Every cell once: 132 boxes on the page, 15 off it, the title and 133..144 nowhere.
    void everyBoxOnce() {
        QSet<int> seen;
        for (int row = 0; row < Rows; ++row)
            for (int column = 0; column < Columns; ++column) {
                const auto box = boxAt(row, column);
                QVERIFY(box);
                QVERIFY(!seen.contains(*box));
                seen.insert(*box);
                QCOMPARE(cellOf(*box), std::optional<QPoint>(QPoint(column, row)));
            }
        QCOMPARE(seen.size(), 132);
        QVERIFY(!seen.contains(HiddenBox));
        for (int box : {-1, HiddenBox, 133, 144, Title, 146})
            QVERIFY(!cellOf(box));
        QVERIFY(!boxAt(-1, 0) && !boxAt(0, 12) && !boxAt(11, 0));
        QVERIFY(isFocusable(Title) && isFocusable(0) && isFocusable(132));
        QVERIFY(!isFocusable(HiddenBox) && !isFocusable(133) && !isFocusable(146));
    }

    void enterStepTable_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("target"); // -1: the focus stays
        QTest::newRow("down") << 50 << 12 << 62;
        QTest::newRow("down again") << 62 << 12 << 74;
        QTest::newRow("diagonal") << 26 << 13 << 39;
        QTest::newRow("diagonal again") << 39 << 13 << 52;
        QTest::newRow("right") << 30 << 1 << 31;
        QTest::newRow("end of row 5 to row 6") << 72 << 1 << 73;
        QTest::newRow("row 0 into row 1") << 2 << 1 << 3;
        QTest::newRow("last cell to the title") << 132 << 13 << Title;
        QTest::newRow("no direction") << 50 << 0 << -1;
        QTest::newRow("left") << 50 << -1 << -1;
        QTest::newRow("after a left click alone") << 50 << -50 << -1;
        QTest::newRow("two steps") << 50 << 24 << -1;
        QTest::newRow("onto the hidden box") << 14 << 1 << -1;
        QTest::newRow("past the last cell") << 132 << 1 << -1;
        QTest::newRow("below the last row") << 125 << 12 << -1;
        QTest::newRow("from the title") << Title << 1 << -1;
    }
    void enterStepTable() {
        QFETCH(int, box);
        QFETCH(int, d);
        QFETCH(int, target);
        QCOMPARE(enterStep(box, d), target < 0 ? std::nullopt : std::optional<int>(target));
    }

    void direction() {
        QCOMPARE(WordSearchGrid::direction(50, 62), 12);
        QCOMPARE(WordSearchGrid::direction(50, 0), -50);
    }

    // Capitals only, every letter reached, each about as often.
    void randomCapitals() {
        Random random;
        QHash<QChar, int> counts;
        const int draws = 26000;
        for (int i = 0; i < draws; ++i) {
            const QChar c = randomCapital(random);
            QVERIFY2(c >= u'A' && c <= u'Z', qPrintable(QString(c)));
            ++counts[c];
        }
        QCOMPARE(counts.size(), 26);
        for (int n : counts)
            QVERIFY2(n > 800 && n < 1200, qPrintable(QString::number(n)));
    }
};

QTEST_APPLESS_MAIN(tst_wordsearchgrid)
#include "tst_wordsearchgrid.moc"
