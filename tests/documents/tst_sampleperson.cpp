// The sample people: the tables as the drill shows them, the draw over a source of fractions with
// its bounded year loop, the exact check of an answer, and the fitting of a long value.
#include "core/random.h"
#include "documents/sampleperson.h"
#include "documents/textfit.h"
#include "fractions.h"

#include <QTest>
#include <vector>

using namespace sampleperson;

namespace {
constexpr double Highest = 0.9999999999999999;

bool isPlainNumber(const QString& text, int least, int most) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= least && n <= most && QString::number(n) == text;
}
} // namespace

class TestSamplePerson : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tables() {
        QCOMPARE(FirstNameTable.size(), 21);
        QCOMPARE(SurnameTable.size(), 35);
        QCOMPARE(TownTable.size(), 20);
        QCOMPARE(StreetTable.size(), 24);
        QCOMPARE(ProvinceList.size(), 59);
        // Rows that stand twice are drawn twice as often.
        QCOMPARE(FirstNameTable.count("Mohamed"), 2);
        QCOMPARE(SurnameTable.count("Santillana"), 2);
        QCOMPARE(SurnameTable.count(QString::fromUtf8("Suárez")), 2);
        QCOMPARE(ProvinceList.count("Jaen"), 2);
        QCOMPARE(ProvinceList.indexOf("Jaen"), 24);
        QCOMPARE(ProvinceList.lastIndexOf("Jaen"), 26);
        // Written exactly as shown, spacing and misspellings included.
        QCOMPARE(ProvinceList[15], QString::fromUtf8("Coruña , A"));
        QCOMPARE(ProvinceList[23], QString("Hosca"));
        QCOMPARE(ProvinceList[40], QString("Palmas de Gran Canaria, Las"));
        QCOMPARE(ProvinceList[56], QString("Vitoria -Gasteiz"));
        QCOMPARE(SurnameTable[19], QString("Pesrero"));
        QCOMPARE(SurnameTable[30], QString::fromUtf8("Ciprés"));
        QCOMPARE(StreetTable[14], QString("Srdinero"));
        QCOMPARE(StreetTable[15], QString("Oles"));
        // No empty row, no row with blanks at its ends: every model can be copied.
        for (const QStringList* table :
             {&FirstNameTable, &SurnameTable, &TownTable, &StreetTable, &ProvinceList})
            for (const QString& row : *table) {
                QVERIFY(!row.isEmpty());
                QCOMPARE(row.trimmed(), row);
            }
    }

    void draw_data() {
        QTest::addColumn<std::vector<double>>("fractions");
        QTest::addColumn<QStringList>("person");
        QTest::addColumn<int>("calls");
        // Always 0: the year loop reaches its bound and takes 1943 + 0.
        QTest::newRow("zeros") << std::vector<double>{0.0}
                               << QStringList{"Antonio",
                                              QString::fromUtf8("García"),
                                              QString::fromUtf8("García"),
                                              "0",
                                              "1",
                                              "1",
                                              "1943",
                                              "Albacete",
                                              "Santa Marta",
                                              "Avinguda Montserrat",
                                              "Santa Marta",
                                              "Albacete",
                                              "0",
                                              "0"}
                               << 6 + 1001 + 7;
        QTest::newRow("highest") << std::vector<double>{Highest}
                                 << QStringList{"Pinito",   "Serra",    "Serra",    "999999998", "31",
                                                "12",       "2004",     "Zaragoza", "Castella",  "Escoles",
                                                "Castella", "Zaragoza", "9999998",  "499"}
                                 << 14;
        // Two years below 1943 are drawn again; 0.97 x 2005 = 1944.85.
        QTest::newRow("year drawn again") << std::vector<double>{0.5,  0.5, 0.25, 0.5, 0.5, 0.5, 0.1, 0.96,
                                                                 0.97, 0.5, 0.5,  0.5, 0.5, 0.5, 0.5, 0.5}
                                          << QStringList{"Israel",
                                                         "Anido",
                                                         QString::fromUtf8("Catalán"),
                                                         "499999999",
                                                         "16",
                                                         "7",
                                                         "1944",
                                                         QString::fromUtf8("Logroño"),
                                                         "Torre Palacios",
                                                         "Barca",
                                                         "Torre Palacios",
                                                         QString::fromUtf8("Logroño"),
                                                         "4999999",
                                                         "250"}
                                          << 16;
    }
    void draw() {
        QFETCH(std::vector<double>, fractions);
        QFETCH(QStringList, person);
        QFETCH(int, calls);
        Fractions source{fractions};
        const Person drawn = DrawSamplePerson(std::ref(source), ProvinceList);
        QCOMPARE(QStringList(drawn.begin(), drawn.end()), person);
        QCOMPARE(int(source.calls), calls);
    }

    void yearAfterTheBound() {
        // 1000 years below 1943, then 0.5 gives 1943 + 31.
        std::vector<double> values(6, 0.5);
        values.insert(values.end(), 1000, 0.9);
        values.push_back(0.5);
        values.push_back(0.5);
        Fractions source{values};
        const Person drawn = DrawSamplePerson(std::ref(source), ProvinceList);
        QCOMPARE(drawn[Year], QString("1974"));
        QCOMPARE(int(source.calls), 6 + 1001 + 7);
    }

    void drawsFromTheProgramGenerator() {
        Random random;
        random.seed(1311);
        for (int i = 0; i < 200; ++i) {
            const Person p = DrawSamplePerson([&] { return random.Rnd(); }, ProvinceList);
            QVERIFY(FirstNameTable.contains(p[FirstName]));
            QVERIFY(SurnameTable.contains(p[FirstSurname]));
            QVERIFY(SurnameTable.contains(p[SecondSurname]));
            QVERIFY2(isPlainNumber(p[DocumentNumber], 0, 999999998), qPrintable(p[DocumentNumber]));
            QVERIFY2(isPlainNumber(p[Day], 1, 31), qPrintable(p[Day]));
            QVERIFY2(isPlainNumber(p[Month], 1, 12), qPrintable(p[Month]));
            QVERIFY2(isPlainNumber(p[Year], 1943, 2004), qPrintable(p[Year]));
            QVERIFY(ProvinceList.contains(p[ProvinceOfBirth]));
            QVERIFY(TownTable.contains(p[Town]));
            QVERIFY(StreetTable.contains(p[Street]));
            QVERIFY(TownTable.contains(p[TownOfBirth]));
            QVERIFY(ProvinceList.contains(p[Province]));
            QVERIFY2(isPlainNumber(p[Telephone], 0, 9999998), qPrintable(p[Telephone]));
            QVERIFY2(isPlainNumber(p[HouseNumber], 0, 499), qPrintable(p[HouseNumber]));
        }
    }

    void provincesComeFromTheGivenList() {
        Fractions source{{0.5}};
        const Person drawn = DrawSamplePerson(std::ref(source), {"Lugo"});
        QCOMPARE(drawn[ProvinceOfBirth], QString("Lugo"));
        QCOMPARE(drawn[Province], QString("Lugo"));
        Fractions again{{0.5}};
        const Person none = DrawSamplePerson(std::ref(again), {});
        QVERIFY(none[ProvinceOfBirth].isEmpty());
        QVERIFY(none[Province].isEmpty());
        QCOMPARE(none[Telephone], QString("4999999"));
    }

    void check_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("same") << "Pons"
                              << "Pons" << true << true;
        QTest::newRow("typed with blanks") << "Pons"
                                           << "  Pons " << true << true;
        QTest::newRow("other case") << "Pons"
                                    << "pons" << true << false;
        QTest::newRow("missing accent") << QString::fromUtf8("García") << "Garcia" << true << false;
        QTest::newRow("leading zero") << "7"
                                      << "07" << true << false;
        QTest::newRow("empty") << "Pons"
                               << "" << true << false;
        QTest::newRow("blanks only") << "Pons"
                                     << "   " << true << false;
        QTest::newRow("inner blanks count") << "Santa Marta"
                                            << "Santa  Marta" << true << false;
        QTest::newRow("combo as it stands") << "Lugo"
                                            << "Lugo" << false << true;
        QTest::newRow("combo trailing blank") << "Lugo"
                                              << "Lugo " << false << false;
        QTest::newRow("combo leading blank") << "Lugo"
                                             << " Lugo" << false << false;
        QTest::newRow("model trimmed") << " Lugo "
                                       << "Lugo" << false << true;
    }
    void check() {
        QFETCH(QString, model);
        QFETCH(QString, answer);
        QFETCH(bool, typed);
        QFETCH(bool, right);
        QCOMPARE(isRightAnswer(model, answer, typed), right);
    }

    void fit_data() {
        // The width of the text is 10 pixels a point.
        QTest::addColumn<int>("available");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("wrap");
        QTest::newRow("fits at design size") << 200 << 14.25 << false;
        QTest::newRow("one step smaller") << 141 << 14.0 << false;
        QTest::newRow("shrinks") << 120 << 12.0 << false;
        QTest::newRow("in steps") << 99 << 9.75 << false;
        QTest::newRow("least size") << 80 << 8.0 << false;
        QTest::newRow("wraps") << 79 << 8.0 << true;
        QTest::newRow("nothing available") << 0 << 8.0 << true;
    }
    void fit() {
        QFETCH(int, available);
        QFETCH(double, points);
        QFETCH(bool, wrap);
        const TextFit fit = fitText(14.25, 8, available, [](double p) { return int(p * 10); });
        QCOMPARE(fit.pointSize, points);
        QCOMPARE(fit.wrap, wrap);
    }
};

QTEST_APPLESS_MAIN(TestSamplePerson)
#include "tst_sampleperson.moc"
