// The news page file "index": its records per layout, what comes back from it, and files that
// are not page files.
#include "core/cp1252.h"
#include "workshop/newsstore.h"

#include <QTest>

namespace {
QByteArray spaces(int n) {
    return QByteArray(n, ' ');
}
} // namespace

class TestNewsStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each layout writes exactly its records, whole: the digit and title, then each body in its
    // records, the room left filled with spaces.
    void records_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QList<int>>("bodyRecords");
        QTest::newRow("0") << 0 << QList<int>{5};
        QTest::newRow("1") << 1 << QList<int>{3, 3, 3};
        QTest::newRow("2") << 2 << QList<int>{1, 4, 1};
        QTest::newRow("3") << 3 << QList<int>{2, 2};
    }
    void records() {
        QFETCH(int, layout);
        QFETCH(QList<int>, bodyRecords);
        NewsTexts texts{layout, "Notícia", {}};
        for (int b = 0; b < bodyRecords.size(); ++b)
            texts.bodies << QString("cos %1").arg(b);
        const QByteArray index = writeNewsIndex(texts);
        int count = 1;
        for (int n : bodyRecords)
            count += n;
        QCOMPARE(newsRecordCount(layout), count);
        QCOMPARE(index.size(), count * 500);
        QCOMPARE(index.left(500), QByteArray::number(layout) + toCp1252("Notícia") + spaces(492));
        int r = 1;
        for (int b = 0; b < bodyRecords.size(); ++b) {
            QCOMPARE(index.mid(r * 500, 500), "cos " + QByteArray::number(b) + spaces(495));
            for (int k = 1; k < bodyRecords[b]; ++k)
                QCOMPARE(index.mid((r + k) * 500, 500), spaces(500));
            r += bodyRecords[b];
        }
        QCOMPARE(readNewsIndex(index), std::optional<NewsTexts>(texts));
        QVERIFY(writeNewsIndex({4, "x", {}}).isEmpty());
    }

    // What a box gets back: the fill trimmed from the end only, line breaks whole across
    // records, the title's 60 characters; saving again writes the same bytes.
    void textsComeBack_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("body"); // the second body of layout 2 (2000 characters)
        QTest::addColumn<QString>("titleBack");
        QTest::addColumn<QString>("bodyBack");
        const QString a499(499, 'a');
        QTest::newRow("line break across records") << "T" << a499 + "\nsegon"
                                                   << "T" << a499 + "\nsegon";
        QTest::newRow("space as 500th character") << "T" << a499 + " b"
                                                  << "T" << a499 + " b";
        QTest::newRow("inner and trailing spaces") << "  dos  "
                                                   << "  u\n\n  dos   "
                                                   << "  dos"
                                                   << "  u\n\n  dos";
        QTest::newRow("60-character title") << QString(59, 'x') + "y"
                                            << "" << QString(59, 'x') + "y"
                                            << "";
        QTest::newRow("longer title cut at 60") << QString(60, 'x') + "zz"
                                                << "" << QString(60, 'x') << "";
        QTest::newRow("catalan and cp1252") << "Plaça l·lí €"
                                            << "“ça” — ñ"
                                            << "Plaça l·lí €"
                                            << "“ça” — ñ";
        QTest::newRow("CR LF from elsewhere") << "T"
                                              << "u\r\ndos\rtres"
                                              << "T"
                                              << "u\ndos\ntres";
        QTest::newRow("body full to the last character") << "T" << QString(1999, 'c') + "\n"
                                                         << "T" << QString(1999, 'c');
    }
    void textsComeBack() {
        QFETCH(QString, title);
        QFETCH(QString, body);
        QFETCH(QString, titleBack);
        QFETCH(QString, bodyBack);
        const QByteArray index = writeNewsIndex({2, title, {"primer", body, "últim"}});
        QCOMPARE(index.size(), 7 * 500);
        const std::optional<NewsTexts> back = readNewsIndex(index);
        QVERIFY(back);
        QCOMPARE(back->layout, 2);
        QCOMPARE(back->title, titleBack);
        QCOMPARE(back->bodies, QStringList({"primer", bodyBack, "últim"}));
        QCOMPARE(writeNewsIndex(*back), index);
    }

    // Room is counted as stored: a line break takes two, and is never split at the end.
    void fitting_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QString>("fitted");
        QTest::addColumn<int>("stored");
        QTest::newRow("fits") << "abc" << 3 << "abc" << 3;
        QTest::newRow("cut") << "abcd" << 3 << "abc" << 4;
        QTest::newRow("line break counts two") << "a\nb" << 4 << "a\nb" << 4;
        QTest::newRow("line break not split") << "ab\nc" << 3 << "ab" << 5;
        QTest::newRow("ŀ is stored as l·, not split") << QString::fromUtf8("coŀl") << 3 << "co" << 5;
        QTest::newRow("one character beyond the plane")
            << QString("a") + QString::fromUcs4(U"\U0001F600") + "b" << 2
            << QString("a") + QString::fromUcs4(U"\U0001F600") << 3;
    }
    void fitting() {
        QFETCH(QString, text);
        QFETCH(int, capacity);
        QFETCH(QString, fitted);
        QFETCH(int, stored);
        QCOMPARE(newsFitText(text, capacity), fitted);
        QCOMPARE(newsStoredLength(text), stored);
    }

    void capacities() {
        QCOMPARE(newsBoxCapacity(0, NewsTitleBody), 60);
        QCOMPARE(newsBoxCapacity(0, 0), 2500);
        QCOMPARE(newsBoxCapacity(1, 2), 1500);
        QCOMPARE(newsBoxCapacity(2, 0), 500);
        QCOMPARE(newsBoxCapacity(2, 1), 2000);
        QCOMPARE(newsBoxCapacity(2, 2), 500);
        QCOMPARE(newsBoxCapacity(3, 1), 1000);
        QCOMPARE(newsBoxCapacity(3, 2), 0);
    }

    // Only a first character "0" to "3" makes a page; short files give empty records.
    void reading_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("layout"); // -1: not a page
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("bodies");
        QTest::newRow("empty") << QByteArray() << -1 << "" << QStringList();
        QTest::newRow("digit 4") << QByteArray("4Títol") << -1 << "" << QStringList();
        QTest::newRow("a picture") << QByteArray("\xFF\xD8\xFF\xE0", 4) << -1 << "" << QStringList();
        QTest::newRow("a space first") << spaces(3500) << -1 << "" << QStringList();
        QTest::newRow("title only") << QByteArray("3Hola") << 3 << "Hola" << QStringList{"", ""};
        QTest::newRow("cut in the second body")
            << QByteArray("1T") + spaces(498) + QByteArray(1500, 'a') + "bb" << 1 << "T"
            << QStringList{QString(1500, 'a'), "bb", ""};
        QTest::newRow("zero bytes as fill")
            << QByteArray("0Nit") + QByteArray(496, '\0') + "x\0\0" << 0 << "Nit" << QStringList{"x"};
    }
    void reading() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, layout);
        QFETCH(QString, title);
        QFETCH(QStringList, bodies);
        const std::optional<NewsTexts> texts = readNewsIndex(bytes);
        QCOMPARE(texts.has_value(), layout >= 0);
        if (!texts) return;
        QCOMPARE(texts->layout, layout);
        QCOMPARE(texts->title, title);
        QCOMPARE(texts->bodies, bodies);
    }
};

QTEST_MAIN(TestNewsStore)
#include "tst_newsstore.moc"
