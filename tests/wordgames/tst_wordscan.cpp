// Turning a text into list words, and the one alphabetical order every list uses.
#include "core/catalansort.h"
#include "wordgames/wordscan.h"

#include <QElapsedTimer>
#include <QTest>

class TestWordScan : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void words_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("case folded, short words out") << "La casa, la CASA i la Casa." << QStringList{"casa"};
        QTest::newRow("end of text ends a word") << "gat gos" << QStringList{"gat", "gos"};
        QTest::newRow("apostrophe and digits separate")
            << "L'escola del 2005 " << QStringList{"del", "escola"};
        QTest::newRow("accented capitals")
            << QString::fromUtf8("ÀVIA ") << QStringList{QString::fromUtf8("àvia")};
        QTest::newRow("ì is no word character") << QString::fromUtf8("così ") << QStringList{"cos"};
        QTest::newRow("middle dot joins")
            << QString::fromUtf8("col·legi ") << QStringList{QString::fromUtf8("col·legi")};
        QTest::newRow("every Catalan letter")
            << QString::fromUtf8("ÇÀÁÈÉÍÏÒÓÚÜÑ") << QStringList{QString::fromUtf8("çàáèéíïòóúüñ")};
        QTest::newRow("hyphen, line break, tab")
            << "porta-avions\nmar\tcel" << QStringList{"avions", "cel", "mar", "porta"};
        QTest::newRow("other letters separate")
            << QString::fromUtf8("straße fenêtre") << QStringList{"fen", "stra", "tre"};
        QTest::newRow("repeats far apart once") << "molt molt poc molt" << QStringList{"molt", "poc"};
        QTest::newRow("16 letters kept, 17 left out")
            << "abcdefghijklmnop desafortunadament gat" << QStringList{"abcdefghijklmnop", "gat"};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("only short words") << "a i o de la el" << QStringList{};
        QTest::newRow("emoji separates") << QString::fromUtf8("gat😀gos") << QStringList{"gat", "gos"};
    }
    void words() {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QCOMPARE(scanWords(text), words);
    }

    // Text pasted from some programs holds a letter followed by a combining accent: every text
    // above, and these, give the same words composed (NFC) and decomposed (NFD).
    void decomposedTextGivesTheSameWords_data() {
        words_data();
        QTest::newRow("accents inside and at the end")
            << QString::fromUtf8("Línia d'acceptació: cançó, pingüí i català.")
            << QStringList{QString::fromUtf8("acceptació"), QString::fromUtf8("cançó"),
                           QString::fromUtf8("català"), QString::fromUtf8("línia"),
                           QString::fromUtf8("pingüí")};
        QTest::newRow("accent on the 16th letter")
            << QString::fromUtf8("electroimantació ") << QStringList{QString::fromUtf8("electroimantació")};
        QTest::newRow("ŀ is l·") << QString::fromUtf8("coŀlegi COĿLEGI PAŀLIDA ")
                                 << QStringList{QString::fromUtf8("col·legi"), QString::fromUtf8("pal·lida")};
    }
    void decomposedTextGivesTheSameWords() {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        const QString composed = text.normalized(QString::NormalizationForm_C);
        const QString decomposed = text.normalized(QString::NormalizationForm_D);
        QCOMPARE(scanWords(composed), words);
        QCOMPARE(scanWords(decomposed), words);
    }

    void catalanOrder_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("accents sort with their letter")
            << QStringList{"zero", QString::fromUtf8("àvia"), "avi", "bou", QString::fromUtf8("àrab")}
            << QStringList{QString::fromUtf8("àrab"), "avi", QString::fromUtf8("àvia"), "bou", "zero"};
        QTest::newRow("ç sorts with c") << QStringList{"cuc", QString::fromUtf8("caça"), "dau", "cal"}
                                        << QStringList{QString::fromUtf8("caça"), "cal", "cuc", "dau"};
        QTest::newRow("case ignored")
            << QStringList{"Gat", "abella", "Bou"} << QStringList{"abella", "Bou", "Gat"};
        QTest::newRow("ties in code order") << QStringList{"casa", "Casa"} << QStringList{"Casa", "casa"};
    }
    void catalanOrder() {
        QFETCH(QStringList, words);
        QFETCH(QStringList, sorted);
        sortCatalan(words);
        QCOMPARE(words, sorted);
        for (qsizetype i = 1; i < sorted.size(); ++i)
            QVERIFY(catalanLess(sorted[i - 1], sorted[i]));
    }

    void progressEndsOnTheLastPosition() {
        QList<qsizetype> positions;
        QString last;
        WordScanOptions options;
        options.progress = [&](qsizetype p, QChar c) {
            positions << p;
            last = c;
        };
        scanWords("gat gos!", options);
        QCOMPARE(positions, QList<qsizetype>{8});
        QCOMPARE(last, QString("!"));
        positions.clear();
        scanWords("", options);
        QVERIFY(positions.isEmpty());
    }

    void progressKeepsAHumanPace() {
        QString text;
        for (int i = 0; i < 100000; ++i)
            text += QStringLiteral("paraula%1 ").arg(i % 7);
        QList<qsizetype> positions;
        WordScanOptions options;
        options.progress = [&](qsizetype p, QChar) { positions << p; };

        // With no pause asked for, the clock is still looked at only now and then.
        options.progressIntervalMs = 0;
        scanWords(text, options);
        QVERIFY(positions.size() <= text.size() / 4096 + 2);
        QVERIFY(std::is_sorted(positions.begin(), positions.end()));
        QCOMPARE(positions.last(), text.size());

        positions.clear();
        options.progressIntervalMs = 250;
        QElapsedTimer t;
        t.start();
        scanWords(text, options);
        QVERIFY(positions.size() <= t.elapsed() / 250 + 1);
        QCOMPARE(positions.last(), text.size());
    }

    void longTextConvertsWhole() {
        // Far more than 32,767 distinct words.
        QString text;
        const QString letters = QStringLiteral("abcdefghij");
        for (int i = 0; i < 50000; ++i) {
            QString w;
            for (int n = i; w.size() < 5; n /= 10)
                w += letters[n % 10];
            text += w + QLatin1Char(' ');
        }
        const QStringList words = scanWords(text);
        QCOMPARE(words.size(), 50000);
        QCOMPARE(words.first(), QString("aaaaa"));
        QCOMPARE(words.last(), QString("jjjje"));
    }
};

QTEST_GUILESS_MAIN(TestWordScan)
#include "tst_wordscan.moc"
