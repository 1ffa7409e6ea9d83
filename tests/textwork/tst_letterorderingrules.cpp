// The rules of the letter-ordering game: the scramble table and layout, the draw, which slot takes
// which letter, the completion test, the track, and reading name lists of drawings.
#include "core/random.h"
#include "files.h"
#include "textwork/letterorderingrules.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace letterordering;

namespace {
// A name record: the bytes, then zero bytes to 16.
QByteArray nameRecord(const QByteArray& name) {
    return name + QByteArray(NameRecordLength - name.size(), '\0');
}
} // namespace

class TestLetterOrderingRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scrambleTable_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>("slotTexts"); // slot of each letter; -1 for not scrambled
        QTest::newRow("1") << 1 << QList<int>{-1};
        QTest::newRow("2") << 2 << QList<int>{-1, -1};
        QTest::newRow("3") << 3 << QList<int>{2, 0, 1};
        QTest::newRow("4") << 4 << QList<int>{3, 0, 2, 1};
        QTest::newRow("5") << 5 << QList<int>{1, 2, 4, 3, 0};
        QTest::newRow("6") << 6 << QList<int>{2, 5, 4, 3, 0, 1};
        QTest::newRow("7") << 7 << QList<int>{3, 5, 6, 2, 0, 1, 4};
        QTest::newRow("8") << 8 << QList<int>{2, 3, 6, 1, 0, 5, 7, 4};
        QTest::newRow("9") << 9 << QList<int>(9, -1);
    }
    void scrambleTable() {
        QFETCH(int, n);
        QFETCH(QList<int>, slotTexts);
        QList<int> got;
        for (int k = 0; k < n; ++k)
            got << LetterScrambleTable(n, k);
        QCOMPARE(got, slotTexts);
        QCOMPARE(LetterScrambleTable(n, n), -1);
        QCOMPARE(LetterScrambleTable(n, -1), -1);
        // Each scrambled row places every letter under a slot of its own.
        if (n >= 3 && n <= 8) {
            QList<int> sorted = slotTexts;
            std::sort(sorted.begin(), sorted.end());
            for (int k = 0; k < n; ++k)
                QCOMPARE(sorted[k], k);
        }
    }

    void letterLefts_data() {
        QTest::addColumn<QList<int>>("slotLefts");
        QTest::addColumn<QList<int>>("current");
        QTest::addColumn<QList<int>>("expected");
        const QList<int> design{225, 1260, 2295, 3300, 4320, 5340, 6360, 7380};
        // "sol": o, l, s under slotTexts 0, 1, 2.
        QTest::newRow("3 letters") << QList<int>{240, 1260, 2280} << design << QList<int>{2280, 240, 1260};
        QTest::newRow("8 letters") << QList<int>{240, 1260, 2280, 3300, 4320, 5340, 6360, 7365} << design
                                   << QList<int>{2280, 3300, 6360, 1260, 240, 5340, 7365, 4320};
        // Short words stay where the last word left them.
        QTest::newRow("2 letters keep their place")
            << QList<int>{240, 1260} << QList<int>{3300, 240, 2280} << QList<int>{3300, 240};
        QTest::newRow("1 letter") << QList<int>{240} << design << QList<int>{225};
        QTest::newRow("empty") << QList<int>{} << design << QList<int>{};
    }
    void letterLefts() {
        QFETCH(QList<int>, slotLefts);
        QFETCH(QList<int>, current);
        QFETCH(QList<int>, expected);
        QCOMPARE(letterordering::letterLefts(slotLefts, current), expected);
    }

    void draw_data() {
        QTest::addColumn<QStringList>("pool");
        QTest::addColumn<QStringList>("drawable");
        QTest::newRow("empty pool") << QStringList{} << QStringList{""};
        QTest::newRow("only long entries") << QStringList{"bicicleta", "meravello"} << QStringList{""};
        QTest::newRow("eight is short enough")
            << QStringList{"elefants", "papallona"} << QStringList{"elefants"};
        QTest::newRow("mixed") << QStringList{"sol", "carretera", "mar", "gat"}
                               << QStringList{"sol", "mar", "gat"};
        QTest::newRow("padded names are long")
            << QStringList{"Dani            ", "Dani"} << QStringList{"Dani"};
        QTest::newRow("blank records are never dealt") << QStringList{"", "   ", "sol"} << QStringList{"sol"};
        QTest::newRow("only blank records") << QStringList{"", "  "} << QStringList{""};
    }
    void draw() {
        QFETCH(QStringList, pool);
        QFETCH(QStringList, drawable);
        Random random;
        QSet<QString> seen;
        for (int i = 0; i < 200; ++i)
            seen.insert(drawWord(pool, random));
        QCOMPARE(seen, QSet<QString>(drawable.begin(), drawable.end()));
    }

    void wordLetters_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("letters");
        QTest::newRow("word") << "casa"
                              << "casa";
        QTest::newRow("outer blanks") << " sol  "
                                      << "sol";
        QTest::newRow("inner blank") << "bon dia"
                                     << "bon dia";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("blanks only") << "   "
                                     << "";
    }
    void wordLetters() {
        QFETCH(QString, entry);
        QFETCH(QString, letters);
        QCOMPARE(letterordering::wordLetters(entry), letters);
    }

    void slotTakes_data() {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<std::optional<QString>>("picked");
        QTest::addColumn<bool>("takes");
        QTest::newRow("its letter") << ""
                                    << "a" << std::optional<QString>("a") << true;
        QTest::newRow("another letter") << ""
                                        << "a" << std::optional<QString>("c") << false;
        QTest::newRow("nothing picked") << ""
                                        << "a" << std::optional<QString>() << false;
        QTest::newRow("an emptied button") << ""
                                           << "a" << std::optional<QString>("") << false;
        QTest::newRow("slot already filled") << "a"
                                             << "a" << std::optional<QString>("a") << false;
        QTest::newRow("capital") << ""
                                 << "a" << std::optional<QString>("A") << false;
        QTest::newRow("accent") << ""
                                << "a" << std::optional<QString>(QString::fromUtf8("à")) << false;
        QTest::newRow("past the word") << ""
                                       << "" << std::optional<QString>("a") << false;
    }
    void slotTakes() {
        QFETCH(QString, slot);
        QFETCH(QString, expected);
        QFETCH(std::optional<QString>, picked);
        QFETCH(bool, takes);
        QCOMPARE(letterordering::slotTakes(slot, expected, picked), takes);
    }

    void complete_data() {
        QTest::addColumn<QStringList>("slotTexts");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("complete");
        const QStringList empty(5, QString());
        QTest::newRow("spelled") << QStringList{"s", "o", "l", "", "", "", "", ""} << "sol" << true;
        QTest::newRow("one missing") << QStringList{"s", "", "l", "", "", "", "", ""} << "sol" << false;
        QTest::newRow("entry with blanks")
            << QStringList{"s", "o", "l", "", "", "", "", ""} << " sol " << true;
        QTest::newRow("design captions") << QStringList(8, "a") << "" << false;
        QTest::newRow("empty word") << QStringList(8, "") << "" << false;
        QTest::newRow("case counts") << QStringList{"S", "o", "l", "", "", "", "", ""} << "sol" << false;
    }
    void complete() {
        QFETCH(QStringList, slotTexts);
        QFETCH(QString, entry);
        QFETCH(bool, complete);
        QCOMPARE(wordComplete(slotTexts, entry), complete);
    }

    void track_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("first") << 0 << QPoint(10140, 840);
        QTest::newRow("end of the first row") << 8 << QPoint(11580, 840);
        QTest::newRow("second row") << 9 << QPoint(10140, 1020);
        QTest::newRow("last") << 53 << QPoint(11580, 1740);
    }
    void track() {
        QFETCH(int, cell);
        QFETCH(QPoint, place);
        QCOMPARE(QPoint(trackCellLeft(cell), trackCellTop(cell)), place);
    }

    void nameTests_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<bool>("byName");
        QTest::addColumn<bool>("byNumber");
        QTest::newRow("capital D") << nameRecord("Dani") << true << true;
        QTest::newRow("capital B") << nameRecord("Berta") << false << true;
        QTest::newRow("small a") << nameRecord("anna") << true << true;
        QTest::newRow("accented") << nameRecord("\xe0ngel") << true << true;
        QTest::newRow("digit") << nameRecord("9gat") << false << false;
        QTest::newRow("blank") << nameRecord(" gat") << false << false;
        QTest::newRow("empty record") << QByteArray(16, '\0') << false << false;
        QTest::newRow("eight high letters") << nameRecord("abcdefgh") << true << true;
        QTest::newRow("nine high letters") << nameRecord("abcdefghi") << true << false;
        QTest::newRow("padded with spaces") << QByteArray("Dani            ") << true << true;
    }
    void nameTests() {
        QFETCH(QByteArray, record);
        QFETCH(bool, byName);
        QFETCH(bool, byNumber);
        QCOMPARE(passesNameTest(record), byName);
        QCOMPARE(passesNumberTest(record), byNumber);
    }

    void readingNames() {
        QTemporaryDir dir;
        const QString path = dir.filePath("noms");
        QByteArray bytes = nameRecord("Dani") + nameRecord("Berta") + QByteArray("Pere            ") +
                           nameRecord("1234") + nameRecord("\xe0ngel");
        QVERIFY(writeFileBytes(path, bytes + "Xa")); // a short last record is not read
        QCOMPARE(readDrawingNames(path, passesNameTest),
                 std::optional<QStringList>({"Dani", "Pere            ", QString::fromUtf8("àngel")}));
        QCOMPARE(
            readDrawingNames(path, passesNumberTest),
            std::optional<QStringList>({"Dani", "Berta", "Pere            ", QString::fromUtf8("àngel")}));
    }

    void readsAtMost489Records() {
        QTemporaryDir dir;
        const QString path = dir.filePath("llarg");
        QByteArray bytes;
        for (int i = 0; i < 500; ++i)
            bytes += nameRecord("Nom");
        QVERIFY(writeFileBytes(path, bytes));
        QCOMPARE(readDrawingNames(path, passesNameTest)->size(), 489);
    }

    void unreadableNameFiles() {
        QTemporaryDir dir;
        QVERIFY(!readDrawingNames(dir.filePath("cap"), passesNameTest));
        QVERIFY(!QFileInfo::exists(dir.filePath("cap")));
        QVERIFY(!readDrawingNames(dir.path(), passesNameTest));
        QVERIFY(writeFileBytes(dir.filePath("buit"), {}));
        QCOMPARE(readDrawingNames(dir.filePath("buit"), passesNameTest),
                 std::optional<QStringList>(QStringList{}));
    }

    void numberedNameFiles() {
        QCOMPARE(numberedNameFile(15), QString("nomdib0"));
        QCOMPARE(numberedNameFile(14), QString("nomdib1"));
        QCOMPARE(numberedNameFile(13), QString("nomdib2"));
        QCOMPARE(numberedNameFile(12), QString("nomdib3"));
        QVERIFY(numberedNameFile(11).isEmpty());
        QVERIFY(numberedNameFile(16).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLetterOrderingRules)
#include "tst_letterorderingrules.moc"
