// The puzzle's rules: which cell each piece shows, the scatter into the tray and the drop test.
#include "core/random.h"
#include "pictures/puzzlerules.h"

#include <QTest>

namespace {
// The pieces of each cell, row by row, as puzzleCell places them.
QList<QList<int>> cellsOf(int n) {
    QList<QList<int>> grid(n, QList<int>(n, -1));
    for (int k = 0; k < n * n; ++k) {
        const PuzzleCell c = puzzleCell(k, n);
        if (c.row < 0 || c.row >= n || c.column < 0 || c.column >= n || grid[c.row][c.column] != -1)
            return {};
        grid[c.row][c.column] = k;
    }
    return grid;
}

QStringList entries(std::initializer_list<std::pair<int, QString>> set) {
    QStringList list = unplacedPieces();
    for (const auto& [i, v] : set)
        list[i] = v;
    return list;
}
} // namespace

class TestPuzzleRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cells_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<QList<int>>>("grid");
        QTest::newRow("1") << 1 << QList<QList<int>>{{0}};
        QTest::newRow("2") << 2 << QList<QList<int>>{{0, 2}, {1, 3}};
        QTest::newRow("3") << 3 << QList<QList<int>>{{0, 2, 4}, {1, 3, 5}, {8, 7, 6}};
        QTest::newRow("4") << 4
                           << QList<QList<int>>{{0, 2, 4, 12}, {1, 3, 5, 13}, {8, 7, 6, 14}, {9, 10, 11, 15}};
        QTest::newRow("5") << 5
                           << QList<QList<int>>{{10, 9, 0, 18, 4},
                                                {11, 14, 1, 2, 21},
                                                {16, 13, 22, 24, 12},
                                                {23, 8, 7, 15, 3},
                                                {20, 5, 6, 19, 17}};
    }
    void cells() {
        QFETCH(int, n);
        QFETCH(QList<QList<int>>, grid);
        // Every cell holds exactly one piece, and the right one.
        QCOMPARE(cellsOf(n), grid);
    }

    void scatterLandsInTheTray() {
        Random random;
        random.seed(7);
        QList<QPoint> first;
        for (int i = 0; i < 2000; ++i) {
            const QPoint at = scatterPosition(random);
            QVERIFY2(at.x() >= 9100 && at.x() < 11000, qPrintable(QString::number(at.x())));
            QVERIFY2(at.y() >= 0 && at.y() < 2000, qPrintable(QString::number(at.y())));
            if (i < 25) first << at;
        }
        // The sequence goes on: the next 25 land elsewhere.
        QList<QPoint> next;
        for (int i = 0; i < 25; ++i)
            next << scatterPosition(random);
        QVERIFY(first != next);
    }

    void scatterDrawsInOrder() {
        // Left drawn again while below 9100, then the top.
        QList<int> draws{500, 9099, 9100, 1234};
        QList<int> asked;
        const QPoint at = scatterPosition([&](int k) {
            asked << k;
            return draws.takeFirst();
        });
        QCOMPARE(at, QPoint(9100, 1234));
        QCOMPARE(asked, (QList<int>{11000, 11000, 11000, 2000}));
    }

    void scatterGivesUpAfterAThousandLowDraws() {
        int lefts = 0;
        const QPoint at = scatterPosition([&](int k) {
            if (k == 11000) {
                ++lefts;
                return 0;
            }
            return k - 1;
        });
        QCOMPARE(lefts, 1000);
        QCOMPARE(at, QPoint(9100 + 1899, 1999));
    }

    void unplaced() { QCOMPARE(unplacedPieces(), QStringList(26, QStringLiteral("p"))); }

    void drop_data() {
        QTest::addColumn<QPoint>("corner");
        QTest::addColumn<double>("side");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<bool>("snaps");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        const QStringList none = unplacedPieces();
        QTest::newRow("4x4 near a corner") << QPoint(4600, 2300) << 2250.0 << none << none << true << 1 << 2;
        QTest::newRow("4x4 too far down") << QPoint(4600, 3800) << 2250.0 << none << none << false << 0 << 0;
        QTest::newRow("4x4 cell taken")
            << QPoint(4600, 2300) << 2250.0 << entries({{3, "1"}}) << entries({{3, "2"}}) << false << 0 << 0;
        QTest::newRow("same row, other column free")
            << QPoint(4600, 2300) << 2250.0 << entries({{3, "1"}}) << entries({{3, "1"}}) << true << 1 << 2;
        QTest::newRow("entry 25 counts too") << QPoint(4600, 2300) << 2250.0 << entries({{25, "1"}})
                                             << entries({{25, "2"}}) << false << 0 << 0;
        QTest::newRow("3x3 offsets below 2000")
            << QPoint(6100, 1900) << 3000.0 << none << none << true << 0 << 2;
        QTest::newRow("3x3 offset of 2000 or more")
            << QPoint(6100, 2100) << 3000.0 << none << none << false << 0 << 0;
        QTest::newRow("exactly two thirds") << QPoint(2000, 0) << 3000.0 << none << none << false << 0 << 0;
        QTest::newRow("column n at the tray's edge")
            << QPoint(9000, 0) << 2250.0 << none << none << true << 0 << 4;
        QTest::newRow("above the board") << QPoint(100, -2000) << 3000.0 << none << none << false << 0 << 0;
        QTest::newRow("left of the board") << QPoint(-2000, 100) << 3000.0 << none << none << false << 0 << 0;
        QTest::newRow("no build yet")
            << QPoint(0, 0) << 0.0 << QStringList() << QStringList() << false << 0 << 0;
    }
    void drop() {
        QFETCH(QPoint, corner);
        QFETCH(double, side);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, columns);
        QFETCH(bool, snaps);
        const std::optional<PuzzleCell> cell = puzzleDropCell(corner, side, rows, columns);
        QCOMPARE(cell.has_value(), snaps);
        if (snaps) {
            QFETCH(int, row);
            QFETCH(int, column);
            QCOMPARE(*cell, (PuzzleCell{row, column}));
        }
    }
};

QTEST_GUILESS_MAIN(TestPuzzleRules)
#include "tst_puzzlerules.moc"
