// The typewriter's deal: which words may be dealt under each length limit, and a draw that always
// ends, among those words only.
#include "core/random.h"
#include "wordgames/typewriterdeal.h"

#include <QSet>
#include <QTest>

class TestTypewriterDeal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filters_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("passes");
        QTest::newRow("four letters under 4") << "casa" << 4 << true;
        QTest::newRow("five letters under 4") << "cases" << 4 << false;
        QTest::newRow("trailing blanks don't count") << "casa      " << 4 << true;
        QTest::newRow("leading blanks don't count") << "   casa" << 4 << true;
        QTest::newRow("six letters under 6") << "finest" << 6 << true;
        QTest::newRow("seven letters under 6") << "finestr" << 6 << false;
        QTest::newRow("ten letters under 10") << "ordinadors" << 10 << true;
        QTest::newRow("eleven letters under 10") << "ordinadores" << 10 << false;
        QTest::newRow("empty word") << "" << 4 << true;
        QTest::newRow("blanks only") << "     " << 4 << true;
        QTest::newRow("í") << QString::fromUtf8("camí") << 10 << false;
        QTest::newRow("ç and ó") << QString::fromUtf8("cançó") << 10 << false;
        QTest::newRow("à") << QString::fromUtf8("mà") << 10 << false;
        QTest::newRow("è") << QString::fromUtf8("cafè") << 10 << false;
        QTest::newRow("é") << QString::fromUtf8("vés") << 10 << false;
        QTest::newRow("ò") << QString::fromUtf8("pilota ò") << 10 << false;
        QTest::newRow("ú") << QString::fromUtf8("úter") << 10 << false;
        QTest::newRow("ü") << QString::fromUtf8("aigües") << 10 << false;
        QTest::newRow("ö and ù and ì") << QString::fromUtf8("öùì") << 10 << false;
        QTest::newRow("plain") << "pati" << 10 << true;
        QTest::newRow("capitals") << "PATI" << 10 << true;
        QTest::newRow("capital accent") << QString::fromUtf8("ÀVIA") << 10 << true;
        QTest::newRow("ï") << QString::fromUtf8("veïna") << 10 << true;
        QTest::newRow("ç") << QString::fromUtf8("caça") << 10 << true;
        QTest::newRow("ñ") << QString::fromUtf8("niño") << 10 << true;
        QTest::newRow("·") << QString::fromUtf8("col·legi") << 10 << true;
        QTest::newRow("accent past the twentieth character")
            << QString(20, ' ') + QString::fromUtf8("é") << 10 << true;
        QTest::newRow("accent at the twentieth character")
            << QString(19, ' ') + QString::fromUtf8("é") << 10 << false;
    }
    void filters() {
        QFETCH(QString, word);
        QFETCH(int, limit);
        QFETCH(bool, passes);
        QCOMPARE(passesTypewriterFilters(word, limit), passes);
    }

    void lettersAreTheWordWithoutBlanksAround() {
        QCOMPARE(typewriterLetters("  el gat  "), QString("el gat"));
        QCOMPARE(typewriterLetters(""), QString());
    }

    void typedCharactersMatchAnyCase_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<bool>("matches");
        QTest::newRow("same") << "a"
                              << "a" << true;
        QTest::newRow("capital typed") << "A"
                                       << "a" << true;
        QTest::newRow("capital in the word") << "p"
                                             << "P" << true;
        QTest::newRow("other letter") << "b"
                                      << "a" << false;
        QTest::newRow("ñ") << QString::fromUtf8("ñ") << QString::fromUtf8("Ñ") << true;
        QTest::newRow("ç") << QString::fromUtf8("ç") << QString::fromUtf8("ç") << true;
        QTest::newRow("ï") << QString::fromUtf8("ï") << QString::fromUtf8("ï") << true;
        QTest::newRow("i is not ï") << "i" << QString::fromUtf8("ï") << false;
        QTest::newRow("·") << QString::fromUtf8("·") << QString::fromUtf8("·") << true;
        QTest::newRow("apostrophe") << "'"
                                    << "'" << true;
        QTest::newRow("blank") << " "
                               << " " << true;
        QTest::newRow("nothing typed") << ""
                                       << "" << false;
    }
    void typedCharactersMatchAnyCase() {
        QFETCH(QString, typed);
        QFETCH(QString, letter);
        QFETCH(bool, matches);
        QCOMPARE(typedMatches(typed, letter), matches);
    }

    void noWordToDealGivesNone_data() {
        QTest::addColumn<QStringList>("pool");
        QTest::addColumn<int>("limit");
        QTest::newRow("empty pool") << QStringList{} << 10;
        QTest::newRow("all too long") << QStringList{"finestra", "ordinador"} << 4;
        QTest::newRow("all accented")
            << QStringList{QString::fromUtf8("camí"), QString::fromUtf8("cançó"), QString::fromUtf8("té")}
            << 10;
    }
    void noWordToDealGivesNone() {
        QFETCH(QStringList, pool);
        QFETCH(int, limit);
        Random random;
        QCOMPARE(dealTypewriterWord(pool, limit, random), -1);
        QVERIFY(typewriterCandidates(pool, limit).isEmpty());
    }

    void drawsOnlyAmongThoseThatPass() {
        const QStringList pool{QString::fromUtf8("camí"),  "gat",       "finestra", "gos", "  pa  ",
                               QString::fromUtf8("cançó"), "ordinadors"};
        QCOMPARE(typewriterCandidates(pool, 4), (QList<int>{1, 3, 4}));
        QCOMPARE(typewriterCandidates(pool, 10), (QList<int>{1, 2, 3, 4, 6}));

        Random random;
        random.seed(5);
        QSet<int> drawn;
        for (int i = 0; i < 300; ++i) {
            const int r = dealTypewriterWord(pool, 4, random);
            QVERIFY2(r == 1 || r == 3 || r == 4, qPrintable(QString::number(r)));
            drawn.insert(r);
        }
        QCOMPARE(drawn, (QSet<int>{1, 3, 4}));
    }

    void aLoneCandidateIsAlwaysDealt() {
        QStringList pool(200, QString::fromUtf8("àvia"));
        pool[137] = "nena";
        Random random;
        for (int i = 0; i < 50; ++i) {
            random.seed(i);
            QCOMPARE(dealTypewriterWord(pool, 4, random), 137);
        }
    }
};

QTEST_GUILESS_MAIN(TestTypewriterDeal)
#include "tst_typewriterdeal.moc"
