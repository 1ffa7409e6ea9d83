// The rules of the alphabetical-order game: which words a list deals, the move, the test of a
// column and the place of each score cell.
#include "core/random.h"
#include "files.h"
#include "wordgames/alphabeticalorder.h"
#include "wordgames/wordlistfile.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace alphabeticalorder;
Q_DECLARE_METATYPE(alphabeticalorder::SlotMap)

namespace {
// A record whose first byte is a space, as a foreign file may hold.
QByteArray spaceRecord(const QByteArray& word) {
    QByteArray rec = "    " + word;
    rec.append(QByteArray(WordRecordLength - rec.size(), '\0'));
    return rec;
}
} // namespace

class TestAlphabeticalOrder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void drawableWords_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        const QByteArray casa = wordRecord("casa"), gat = wordRecord("gat");
        QTest::newRow("list") << casa + gat + wordRecord(QString::fromUtf8("àvia"))
                              << QStringList{"casa", "gat", QString::fromUtf8("àvia")};
        QTest::newRow("records beginning with a space skipped")
            << spaceRecord("no") + casa + spaceRecord("tampoc") + gat << QStringList{"casa", "gat"};
        QTest::newRow("every record begins with a space")
            << spaceRecord("a") + spaceRecord("b") << QStringList{};
        QTest::newRow("partial last record dropped") << casa + gat.left(19) << QStringList{"casa"};
        QTest::newRow("no whole record") << casa.left(19) << QStringList{};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("word fills the record")
            << QByteArray("\x08\x00\x10\x00", 4) + "abcdefghijklmnop" << QStringList{"abcdefghijklmnop"};
        QTest::newRow("length field not read")
            << QByteArray("\x08\x00\x02\x00", 4) + "sol" + QByteArray(13, '\0') << QStringList{"sol"};
        QTest::newRow("empty word") << wordRecord(QString()) << QStringList{QString()};
    }
    void drawableWords() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("llista.bak");
        QVERIFY(writeFileBytes(path, bytes));
        QCOMPARE(alphabeticalorder::drawableWords(path), expected);
    }

    void noListReadsNothingAndCreatesNothing() {
        QTemporaryDir dir;
        const QString missing = dir.filePath("esborrada.bak");
        QVERIFY(alphabeticalorder::drawableWords(missing).isEmpty());
        QVERIFY(alphabeticalorder::drawableWords(QString()).isEmpty());
        QVERIFY(alphabeticalorder::drawableWords(dir.path()).isEmpty()); // a folder
        QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    void dealWords() {
        Random random;
        // Nothing to draw: eight empty words.
        QCOMPARE(alphabeticalorder::dealWords({}, random), QStringList(8, QString()));
        // One word: it comes eight times.
        QCOMPARE(alphabeticalorder::dealWords({"sol"}, random), QStringList(8, "sol"));
        // Several: eight words, each one of the list, and over many deals every word comes up.
        const QStringList list{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
        QSet<QString> seen;
        for (int n = 0; n < 50; ++n) {
            const QStringList deal = alphabeticalorder::dealWords(list, random);
            QCOMPARE(deal.size(), 8);
            for (const QString& w : deal)
                QVERIFY(list.contains(w));
            seen.unite(QSet<QString>(deal.begin(), deal.end()));
        }
        QCOMPARE(seen.size(), list.size());
    }

    void sortedAnswer() {
        // Catalan order, case ignored; accents sort with their letters.
        const QStringList dealt{"Zebra", "casa", QString::fromUtf8("àvia"), "Bou", "cel", "abella",
                                "Casa",  "dit"};
        const QStringList expected{"abella", QString::fromUtf8("àvia"), "Bou", "Casa", "casa", "cel", "dit",
                                   "Zebra"};
        QCOMPARE(alphabeticalorder::sortedAnswer(dealt), expected);
    }

    void sendToBottom_data() {
        QTest::addColumn<SlotMap>("before");
        QTest::addColumn<int>("slot");
        QTest::addColumn<SlotMap>("after");
        QTest::newRow("top") << identitySlots() << 0 << SlotMap{1, 2, 3, 4, 5, 6, 7, 0};
        QTest::newRow("middle") << identitySlots() << 3 << SlotMap{0, 1, 2, 4, 5, 6, 7, 3};
        QTest::newRow("next to last") << identitySlots() << 6 << SlotMap{0, 1, 2, 3, 4, 5, 7, 6};
        QTest::newRow("bottom stays") << identitySlots() << 7 << identitySlots();
        QTest::newRow("shuffled") << SlotMap{5, 2, 7, 0, 1, 6, 3, 4} << 2 << SlotMap{5, 2, 0, 1, 6, 3, 4, 7};
        QTest::newRow("slot out of range") << identitySlots() << 8 << identitySlots();
        QTest::newRow("negative slot") << identitySlots() << -1 << identitySlots();
    }
    void sendToBottom() {
        QFETCH(SlotMap, before);
        QFETCH(int, slot);
        QFETCH(SlotMap, after);
        alphabeticalorder::sendToBottom(before, slot);
        QCOMPARE(before, after);
    }

    void wordsInPlace_data() {
        QTest::addColumn<QStringList>("column");
        QTest::addColumn<QStringList>("answer");
        QTest::addColumn<int>("inPlace");
        const QStringList abc{"a", "b", "c", "d", "e", "f", "g", "h"};
        QTest::newRow("in order") << abc << abc << 8;
        QTest::newRow("two swapped") << QStringList{"b", "a", "c", "d", "e", "f", "g", "h"} << abc << 6;
        QTest::newRow("reversed") << QStringList{"h", "g", "f", "e", "d", "c", "b", "a"} << abc << 0;
        const QStringList twice{"a", "a", "b", "c", "d", "e", "f", "g"};
        QTest::newRow("equal words in either order") << twice << twice << 8;
        // The order ignores case, so words that differ only in case may stand either way round;
        // accents are not ignored.
        QTest::newRow("equal but for case, either way round")
            << QStringList{"a", "casa", "Casa", "d", "e", "f", "g", "h"}
            << QStringList{"a", "Casa", "casa", "d", "e", "f", "g", "h"} << 8;
        QTest::newRow("accents count")
            << QStringList{"a", QString::fromUtf8("bé"), "be", "d", "e", "f", "g", "h"}
            << QStringList{"a", "be", QString::fromUtf8("bé"), "d", "e", "f", "g", "h"} << 6;
        QTest::newRow("eight empty words") << QStringList(8, QString()) << QStringList(8, QString()) << 8;
        QTest::newRow("empty answer") << abc << QStringList{} << 0;
    }
    void wordsInPlace() {
        QFETCH(QStringList, column);
        QFETCH(QStringList, answer);
        QFETCH(int, inPlace);
        QCOMPARE(alphabeticalorder::wordsInPlace(answer, column), inPlace);
        QCOMPARE(alphabeticalorder::columnComplete(answer, column), inPlace == 8);
    }

    void scoreColumn_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("column");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("4") << 4 << 7;
        QTest::newRow("5") << 5 << 6;
        QTest::newRow("7") << 7 << 4;
        QTest::newRow("8") << 8 << 11;
        QTest::newRow("11") << 11 << 8;
        QTest::newRow("36") << 36 << 39;
        QTest::newRow("39") << 39 << 36;
        QTest::newRow("40 has no cell") << 40 << -1;
        QTest::newRow("41 has no cell") << 41 << -1;
        QTest::newRow("42") << 42 << 41;
        QTest::newRow("43") << 43 << 40;
        QTest::newRow("44 has no cell") << 44 << -1;
        QTest::newRow("far past the row") << 1000 << -1;
        QTest::newRow("negative") << -1 << -1;
    }
    void scoreColumn() {
        QFETCH(int, index);
        QFETCH(int, column);
        QCOMPARE(alphabeticalorder::scoreColumn(index), column);
        QCOMPARE(alphabeticalorder::hasScoreCell(index), column >= 0);
    }

    void scoreOrderFillsTheRow() {
        // The completed columns colour the row in this order; each column of the row exactly once.
        QList<int> expected;
        for (int group = 0; group < 10; ++group)
            for (int c : group == 0 ? QList<int>{0, 1, 2, 3} : QList<int>{3, 2, 1, 0})
                expected << 4 * group + c;
        expected << -1 << -1 << 41 << 40 << -1 << -1;
        QList<int> columns;
        for (int completed = 0; completed < expected.size(); ++completed)
            columns << alphabeticalorder::scoreColumn(completed);
        QCOMPARE(columns, expected);
        QList<int> sorted = columns;
        sorted.removeAll(-1);
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted.size(), ScoreColumns);
        for (int c = 0; c < ScoreColumns; ++c)
            QCOMPARE(sorted[c], c);
    }
};

QTEST_GUILESS_MAIN(TestAlphabeticalOrder)
#include "tst_alphabeticalorder.moc"
