// The word filters of the write-a-word window, over one small pool with words for and against each.
#include "wordgames/writeawordfilters.h"

#include <QTest>

namespace {
const QString Fifteen = QString(15, QLatin1Char('a')) + QStringLiteral("bl"); // "bl" at 16 and 17
const QString Sixteen = QString(16, QLatin1Char('a')) + QStringLiteral("bl"); // "bl" past 16

QStringList pool() {
    return {QStringLiteral("blablabla"),
            QStringLiteral("casa"),
            QStringLiteral("brisa"),
            QStringLiteral("tres"),
            QStringLiteral("drama"),
            QString::fromUtf8("plaça"),
            QStringLiteral("grasa"),
            QStringLiteral("clara"),
            QStringLiteral("crac"),
            QStringLiteral("vaca"),
            QStringLiteral("jugar"),
            QStringLiteral("zebra"),
            QStringLiteral("sol"),
            QString::fromUtf8("cafè"),
            QStringLiteral("llibre"),
            QStringLiteral("sol         "), // a comic-strip caption: 12 characters
            QStringLiteral("CASA"),
            QStringLiteral("QUICO"),
            QString::fromUtf8("Àvia"),
            Fifteen,
            Sixteen};
}

QStringList times(const QString& word, int n) {
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << word;
    return out;
}
} // namespace

class TestWriteAWordFilters : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void selection_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("CAP: every word") << "CAPS" << pool();
        QTest::newRow("SENSE ACCENT: short, no small accent, blanks taken off")
            << "SENSESSS"
            << QStringList{"casa",
                           "brisa",
                           "tres",
                           "drama",
                           QString::fromUtf8("plaça"),
                           "grasa",
                           "clara",
                           "crac",
                           "vaca",
                           "jugar",
                           "zebra",
                           "sol",
                           "sol",
                           "CASA",
                           "QUICO",
                           QString::fromUtf8("Àvia")};
        QTest::newRow("V-B: once per letter, up to the 16th")
            << "INICI"
            << times("blablabla", 3) +
                   QStringList{"brisa", "vaca", "zebra", "llibre", QString::fromUtf8("Àvia"), Fifteen};
        QTest::newRow("C-S: small letters, ç is no c") << "MEDI"
                                                       << QStringList{"casa",
                                                                      "casa",
                                                                      "brisa",
                                                                      "tres",
                                                                      "grasa",
                                                                      "clara",
                                                                      "crac",
                                                                      "crac",
                                                                      "vaca",
                                                                      "sol",
                                                                      QString::fromUtf8("cafè"),
                                                                      "sol         "};
        QTest::newRow("Z-C")
            << "TOT"
            << QStringList{"casa", "clara", "crac", "crac", "vaca", "zebra", QString::fromUtf8("cafè")};
        QTest::newRow("C-Q: capitals only") << "CQ" << QStringList{"CASA", "QUICO", "QUICO"};
        QTest::newRow("G-J") << "GJ" << QStringList{"grasa", "jugar", "jugar"};
        QTest::newRow("BR") << "BR" << QStringList{"brisa", "zebra", "llibre"};
        QTest::newRow("TR") << "TR" << QStringList{"tres"};
        QTest::newRow("DR") << "DR" << QStringList{"drama"};
        QTest::newRow("BL: each occurrence, the pair may end at 17")
            << "BL" << times("blablabla", 3) + QStringList{Fifteen};
        QTest::newRow("PL") << "PL" << QStringList{QString::fromUtf8("plaça")};
        QTest::newRow("GR->GRASA looks for gr") << "GRASA" << QStringList{"grasa"};
        QTest::newRow("CL") << "CL" << QStringList{"clara"};
        QTest::newRow("CR->CRAN is the item GR") << "GR" << QStringList{"crac"};
    }
    void selection() {
        QFETCH(QString, control);
        QFETCH(QStringList, selected);
        const WordFilter* filter = wordFilter(control);
        QVERIFY(filter);
        QCOMPARE(filterWords(*filter, pool()), selected);
    }

    void emptyAndBlankPools_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("empty pool") << QStringList{} << "BL" << QStringList{};
        QTest::newRow("empty word is short and plain") << QStringList{""} << "SENSESSS" << QStringList{""};
        QTest::newRow("blank caption becomes empty")
            << QStringList{"            "} << "SENSESSS" << QStringList{""};
        QTest::newRow("accent past the 20th character is not seen")
            << QStringList{QString(20, QLatin1Char(' ')) + QString::fromUtf8("sé")} << "SENSESSS"
            << QStringList{QString::fromUtf8("sé")};
        QTest::newRow("capital accent does not count")
            << QStringList{QString::fromUtf8("CAFÈ"), QString::fromUtf8("fïc")} << "SENSESSS"
            << QStringList{QString::fromUtf8("CAFÈ"), QString::fromUtf8("fïc")};
        QTest::newRow("lower-case list under C-Q") << QStringList{"casa", "quico"} << "CQ" << QStringList{};
    }
    void emptyAndBlankPools() {
        QFETCH(QStringList, words);
        QFETCH(QString, control);
        QFETCH(QStringList, selected);
        QCOMPARE(filterWords(*wordFilter(control), words), selected);
    }

    void menuItems() {
        // Menu order, captions, and the three items that show the model as stored.
        QStringList order, asStored;
        for (const WordFilter& f : wordFilters()) {
            order << QStringLiteral("%1|%2|%3")
                         .arg(QLatin1String(f.control), f.caption, QLatin1String(f.submenu));
            if (f.modelAsStored) asStored << QLatin1String(f.control);
        }
        QCOMPARE(order,
                 (QStringList{"CAPS|CAP|", "SENSESSS|SENSE ACCENT|", "INICI|V-B|LLETRES", "MEDI|C-S|LLETRES",
                              "TOT|Z-C|LLETRES", "CQ|C-Q|LLETRES", "GJ|G-J|LLETRES", "BR|BR-> BRISA|MORFEMES",
                              "TR|TR-> TRES|MORFEMES", "DR|DR->DRAMA|MORFEMES", "BL|BL->BLUSA|MORFEMES",
                              "PL|PL->PLUMA|MORFEMES", "GRASA|GR->GRASA|MORFEMES", "CL|CL->CLARA|MORFEMES",
                              "GR|CR->CRAN|MORFEMES"}));
        QCOMPARE(asStored, (QStringList{"INICI", "TR", "GR"}));
        QVERIFY(!wordFilter("MAYOR"));
    }
};

QTEST_MAIN(TestWriteAWordFilters)
#include "tst_writeawordfilters.moc"
