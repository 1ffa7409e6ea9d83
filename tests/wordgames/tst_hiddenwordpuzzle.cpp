// The hidden-word game's rules: fillers, the draw, laying the word into its row, the case modes,
// passing blanks, the completion test and reading a pool from a file.
#include "core/random.h"
#include "files.h"
#include "wordgames/hiddenwordpuzzle.h"
#include "wordgames/wordlistfile.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace hiddenword;

class TestHiddenWordPuzzle : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fillersKeepTheirRanges() {
        Random random;
        QSet<ushort> grid, row;
        for (int deal = 0; deal < 60; ++deal) {
            const QStringList cells = fillGrid(random);
            QCOMPARE(cells.size(), CellCount);
            for (const QString& c : cells) {
                QCOMPARE(c.size(), 1);
                grid.insert(c.at(0).unicode());
            }
            for (int j = 0; j < Side; ++j)
                row.insert(rowFiller(random).unicode());
        }
        // Every code of each range comes up, and none outside it ("z" never does).
        QCOMPARE(grid.size(), 25);
        QCOMPARE(*std::min_element(grid.begin(), grid.end()), ushort(97));
        QCOMPARE(*std::max_element(grid.begin(), grid.end()), ushort(121));
        QCOMPARE(row.size(), 30);
        QCOMPARE(*std::min_element(row.begin(), row.end()), ushort(92));
        QCOMPARE(*std::max_element(row.begin(), row.end()), ushort(121));
    }

    void drawCoversThePool_data() {
        QTest::addColumn<int>("poolSize");
        QTest::newRow("empty") << 0;
        QTest::newRow("one word") << 1;
        QTest::newRow("two words") << 2;
        QTest::newRow("nine panels") << 9;
    }
    void drawCoversThePool() {
        QFETCH(int, poolSize);
        Random random;
        QSet<int> drawn;
        for (int i = 0; i < 400; ++i) {
            const std::optional<int> r = drawWord(random, poolSize);
            QCOMPARE(r.has_value(), poolSize > 0);
            if (r) drawn.insert(*r);
        }
        // Every word comes up, the last one included.
        QCOMPARE(drawn.size(), poolSize);
        for (int r : drawn)
            QVERIFY(r >= 0 && r < poolSize);
    }

    void placeWordInItsRow_data() {
        QTest::addColumn<QString>("word");
        QTest::newRow("short word") << "gat";
        QTest::newRow("seven letters") << "pallasa";
        QTest::newRow("nine letters") << "bicicleta";
        QTest::newRow("two words") << "el gat";
        QTest::newRow("leading blank") << " gat";
        QTest::newRow("comic-strip caption") << "el gat         ";
        QTest::newRow("empty caption") << "         ";
        QTest::newRow("control character") << QString("a\tb");
        QTest::newRow("empty") << "";
    }
    void placeWordInItsRow() {
        QFETCH(QString, word);
        Random random;
        QSet<int> rows;
        for (int deal = 0; deal < 100; ++deal) {
            QStringList cells = fillGrid(random);
            const QStringList before = cells;
            const Placement placed = placeWord(random, cells, word);
            QVERIFY(placed.row >= 0 && placed.row < WordRows);
            QCOMPARE(placed.firstCell, Side * placed.row);
            rows.insert(placed.row);
            for (int i = 0; i < CellCount; ++i) {
                QCOMPARE(cells[i].size(), 1);
                const int column = i - placed.firstCell;
                if (column < 0 || column >= Side) {
                    QCOMPARE(cells[i], before[i]); // other rows keep their fillers
                    continue;
                }
                const QChar c = column < word.size() ? word.at(column) : QChar(u' ');
                if (isBlank(c)) {
                    const ushort code = cells[i].at(0).unicode();
                    QVERIFY2(code >= 92 && code <= 121, qPrintable(cells[i]));
                } else {
                    QCOMPARE(cells[i], QString(c));
                }
            }
        }
        QCOMPARE(rows.size(), WordRows); // rows 0 to 5 all come up, the bottom row never
    }

    void caseModes_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("upper") << QString::fromUtf8("Mayús") << QString::fromUtf8("l'àvia çé")
                               << QString::fromUtf8("L'ÀVIA ÇÉ");
        QTest::newRow("lower") << "Minus" << QString::fromUtf8("ÀVIA Gat") << QString::fromUtf8("àvia gat");
        QTest::newRow("as the pool gives") << "MIN"
                                           << "GaT"
                                           << "GaT";
        QTest::newRow("compared exactly") << QString::fromUtf8("mayús") << "gat"
                                          << "gat";
        // One character each way: a character whose capital is two letters stays as it is.
        QTest::newRow("length kept") << QString::fromUtf8("Mayús") << QString::fromUtf8("ßa")
                                     << QString::fromUtf8("ßA");
    }
    void caseModes() {
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(inCase(text, caseModeOf(label)), expected);
    }

    void passBlanks_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("found");
        QTest::addColumn<int>("positionAfter");
        QTest::addColumn<QString>("foundAfter");
        QTest::newRow("no blank") << "gat" << 1 << "" << 1 << "";
        QTest::newRow("between two words") << "el gat" << 3 << "el" << 4 << "el ";
        QTest::newRow("leading blank") << " gat" << 1 << "" << 2 << " ";
        QTest::newRow("two blanks") << "a  b" << 2 << "a" << 4 << "a  ";
        QTest::newRow("blanks after the word") << "gat      " << 4 << "gat" << 8 << "gat    ";
        QTest::newRow("empty caption") << "         " << 1 << "" << 8 << "       ";
        QTest::newRow("past the shown letters") << "abcdefg h" << 8 << "abcdefg" << 8 << "abcdefg";
        QTest::newRow("past the end") << "gat" << 4 << "gat" << 4 << "gat";
    }
    void passBlanks() {
        QFETCH(QString, word);
        QFETCH(int, position);
        QFETCH(QString, found);
        hiddenword::passBlanks(word, position, found);
        QTEST(position, "positionAfter");
        QTEST(found, "foundAfter");
    }

    void expectedLetter_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first") << "gat" << 1 << "g";
        QTest::newRow("past the end") << "gat" << 4 << "";
        QTest::newRow("seventh again") << "bicicleta" << 8 << "e";
        QTest::newRow("before the word") << "gat" << 0 << "";
    }
    void expectedLetter() {
        QFETCH(QString, word);
        QFETCH(int, position);
        QTEST(expectedAt(word, position), "expected");
    }

    void completion_data() {
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("complete");
        QTest::newRow("whole word") << "gat"
                                    << "gat" << true;
        QTest::newRow("one letter short") << "ga"
                                          << "gat" << false;
        QTest::newRow("seven of nine") << "bicicle"
                                       << "bicicleta" << true;
        QTest::newRow("six of nine") << "bicicl"
                                     << "bicicleta" << false;
        QTest::newRow("two words") << "el gat"
                                   << "el gat         " << true;
        QTest::newRow("two words, short") << "el ga"
                                          << "el gat         " << false;
        QTest::newRow("leading blank") << " gat"
                                       << " gat         " << true;
        QTest::newRow("leading blank, short") << " ga"
                                              << " gat" << false;
        QTest::newRow("empty caption") << ""
                                       << "         " << true;
        QTest::newRow("case differs") << "GAT"
                                      << "gat" << false;
        QTest::newRow("nothing yet") << ""
                                     << "gat" << false;
    }
    void completion() {
        QFETCH(QString, found);
        QFETCH(QString, word);
        QTEST(isFound(found, word), "complete");
    }

    void readPoolFromFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("l.bak");
        const QByteArray full = QByteArray::fromHex("08001000") + "abcdefghijklmnop";
        const QByteArray foreign("hola, com va tot?..."); // a text, not a list
        QVERIFY(writeFileBytes(path, wordRecord("gat") + wordRecord(QString::fromUtf8("pèsol")) + full +
                                         foreign + wordRecord("") + QByteArray("part")));
        QCOMPARE(readPool(path), (QStringList{"gat", QString::fromUtf8("pèsol"), "abcdefghijklmnop",
                                              ", com va tot?...", ""}));
        QCOMPARE(readPool(dir.filePath("missing")), QStringList{});
        QVERIFY(writeFileBytes(path, "short"));
        QCOMPARE(readPool(path), QStringList{});
    }

    void poolHasALimit() {
        QTemporaryDir dir;
        const QString path = dir.filePath("big.bak");
        QByteArray bytes;
        for (int r = 0; r < PoolLimit + 5; ++r)
            bytes += wordRecord(QString::number(r));
        QVERIFY(writeFileBytes(path, bytes));
        const QStringList pool = readPool(path);
        QCOMPARE(pool.size(), PoolLimit);
        QCOMPARE(pool.last(), QString::number(PoolLimit - 1));
    }
};

QTEST_GUILESS_MAIN(TestHiddenWordPuzzle)
#include "tst_hiddenwordpuzzle.moc"
