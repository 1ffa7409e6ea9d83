// Structure sheets, "(a + b) - c": the texts and key entries of given numbers, the triples each
// kind keeps or refuses, and thousands of seeded sheets checked against each kind's rules.
#include "core/random.h"
#include "worksheets/sheetdispatch.h"
#include "worksheets/structuresheets.h"

#include <QTest>
#include <functional>

namespace {
// What a kind must hold, told apart from the code that makes the sheets.
struct Rule {
    int aLow;
    int aHigh;
    bool tenAsC; // c is always 10
    std::function<bool(int, int, int)> keeps;
    std::function<qint64(int, int, int)> answer;
    bool mayBeNegative;
    QString separator;
    int lowestA = 0; // the lowest a the tests let through, when above the draw's bound
    int highestBC = 9;
};

const QMap<QString, Rule>& rules() {
    static const QMap<QString, Rule> all = [] {
        const auto any = [](int, int, int) { return true; };
        const auto differenceNotBelowC = [](int a, int b, int c) { return a - b >= c; };
        QMap<QString, Rule> r;
        r["a17"] = {2, 98, true, any, [](int a, int b, int) { return a + b - 10; }, true, " - "};
        r["a25"] = {2, 9, false, any, [](int a, int b, int c) { return a + b - c; }, true, " - "};
        r["a26"] = {2, 9, false, any, [](int a, int b, int c) { return a + b + c; }, false, " - "};
        r["a27"] = {
            2,     9, false, differenceNotBelowC, [](int a, int b, int c) { return a - b - c; }, false,
            " - ", 4, 7};
        r["a14"] = {
            2,     9, false, differenceNotBelowC, [](int a, int b, int c) { return a - b + c; }, false,
            " - ", 4, 7};
        r["a31"] = {10, 98, false, any, [](int a, int b, int c) { return a + b - c; }, false, " - "};
        r["a32"] = {12, 98, false, any, [](int a, int b, int c) { return a + b + c; }, false, " - "};
        r["a33"] = {12,    98,   false, differenceNotBelowC, [](int a, int b, int c) { return a - b - c; },
                    false, " - "};
        r["a34"] = {12,    98,   false, differenceNotBelowC, [](int a, int b, int c) { return a - b + c; },
                    false, " - "};
        r["a16"] = {2, 9, false, any, [](int a, int b, int c) { return a * b - c; }, true, " - "};
        r["a18"] = {2, 9, false, any, [](int a, int b, int c) { return a * b + c; }, false, " - "};
        r["a19"] = {2, 9, false, any, [](int a, int b, int c) { return a * b * c; }, false, " - "};
        r["a20"] = {2,
                    98,
                    false,
                    [](int a, int b, int c) { return a % b == 0 && a / b >= c; },
                    [](int a, int b, int c) { return a / b - c; },
                    false,
                    " - ",
                    4};
        r["a21"] = {2,
                    98,
                    false,
                    [](int a, int b, int) { return a % b == 0; },
                    [](int a, int b, int c) { return a / b + c; },
                    false,
                    " - "};
        r["a22"] = {2,
                    9,
                    false,
                    [](int a, int b, int) { return a % b == 0; },
                    [](int a, int b, int c) { return a / b * c; },
                    false,
                    " -  "};
        r["a23"] = {10,
                    98,
                    false,
                    [](int a, int b, int c) { return (a + b) % c == 0; },
                    [](int a, int b, int c) { return (a + b) / c; },
                    false,
                    " -  "};
        r["a24"] = {10,
                    98,
                    false,
                    [](int a, int b, int c) { return a % b == 0 && (a - b) % c == 0; },
                    [](int a, int b, int c) { return (a - b) / c; },
                    false,
                    " - "};
        return r;
    }();
    return all;
}
} // namespace

class TestStructureSheets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exercises_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("firstEntry");
        QTest::addColumn<QString>("secondEntry");
        auto row = [](const char* name, const char* kind, QList<int> n, const char* first, const char* e1,
                      const char* e2) { QTest::newRow(name) << QString(kind) << n << first << e1 << e2; };
        row("a26", "a26", {3, 4, 5, 2, 2, 2}, "(3 + 4) +  5 =   ______", " - 12", " - 6");
        row("a23, four-character separator", "a23", {10, 4, 7, 10, 2, 3}, "(10 + 4) /  7 =   ______", " -  2",
            " -  4");
        row("a17, negative", "a17", {2, 2, 10, 3, 7, 10}, "(2 + 2) -  10 =   ______", " - -6", " - 0");
        row("a25, negative", "a25", {2, 2, 9, 4, 5, 9}, "(2 + 2) -  9 =   ______", " - -5", " - 0");
        row("a16, negative", "a16", {2, 2, 9, 9, 9, 2}, "(2 x 2) -  9 =   ______", " - -5", " - 79");
        row("a19, largest", "a19", {9, 9, 9, 2, 2, 2}, "(9 x 9) x  9 =   ______", " - 729", " - 8");
        row("a22, an asterisk outside", "a22", {6, 3, 4, 8, 2, 2}, "(6 / 3) *  4 =   ______", " -  8",
            " -  8");
        row("a24", "a24", {12, 3, 9, 18, 2, 4}, "(12 - 3) /  9 =   ______", " - 1", " - 4");
        row("a14", "a14", {9, 2, 7, 6, 3, 3}, "(9 - 2) +  7 =   ______", " - 14", " - 6");
        row("a20, zero", "a20", {8, 4, 2, 98, 7, 9}, "(8 / 4) -  2 =   ______", " - 0", " - 5");
    }
    void exercises() {
        QFETCH(QString, kind);
        QFETCH(QList<int>, numbers);
        const std::optional<LineRow> row = structureRow(kind, numbers);
        QVERIFY(row);
        QTEST(row->first, "first");
        const QList<int> second = numbers.mid(3);
        QCOMPARE(row->second, structureRow(kind, second + second)->first);
        QTEST(row->firstKeyEntry, "firstEntry");
        QTEST(row->secondKeyEntry, "secondEntry");
    }

    void otherFamiliesMakeNoRow() {
        QVERIFY(!structureRow("a01", {2, 3, 4, 5, 6, 7}));
        QVERIFY(!structureRow("a26", {2, 3, 4}));
        QVERIFY(!structureRow("a21", {9, 2, 3, 4, 2, 3})); // 9 / 2 is not whole
    }

    // Kept and refused triples.
    void keeps_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<bool>("kept");
        const QList<std::tuple<const char*, int, int, int, bool>> rows{
            {"a27", 7, 5, 3, false},  {"a27", 8, 3, 5, true},   {"a27", 5, 4, 2, false},
            {"a27", 9, 2, 7, true},   {"a14", 9, 2, 7, true},   {"a14", 6, 3, 4, false},
            {"a24", 18, 4, 7, false}, {"a24", 12, 3, 9, true},  {"a24", 12, 5, 7, false},
            {"a24", 12, 3, 2, false}, {"a33", 13, 9, 5, false}, {"a33", 12, 9, 3, true},
            {"a33", 12, 9, 4, false}, {"a20", 8, 4, 3, false},  {"a20", 8, 4, 2, true},
            {"a22", 2, 3, 2, false},  {"a22", 6, 3, 4, true},   {"a23", 10, 2, 3, true},
            {"a23", 10, 3, 2, false}, {"a25", 2, 2, 9, true},   {"a01", 2, 2, 2, false},
        };
        for (const auto& [kind, a, b, c, kept] : rows)
            QTest::addRow("%s %d %d %d", kind, a, b, c) << QString(kind) << a << b << c << kept;
        for (int c = 2; c <= 9; ++c) {
            QTest::addRow("a21 9 2 %d", c) << "a21" << 9 << 2 << c << false;
            QTest::addRow("a20 7 2 %d", c) << "a20" << 7 << 2 << c << false;
        }
    }
    void keeps() {
        QFETCH(QString, kind);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QTEST(structureKeeps(kind, a, b, c), "kept");
    }

    // 2,000 seeded sheets of each kind: numbers in range, reaching both ends, every test holding,
    // answers whole and negative only where the kind allows, key lines beginning with the separator.
    void manySheets_data() {
        QTest::addColumn<QString>("kind");
        for (const QString& kind : rules().keys())
            QTest::newRow(qPrintable(kind)) << kind;
    }
    void manySheets() {
        QFETCH(QString, kind);
        const Rule& rule = rules()[kind];
        QVERIFY(findSheetGenerator(kind));
        Random random;
        random.seed(35);
        int lowA = INT_MAX, highA = INT_MIN, lowBC = INT_MAX, highBC = INT_MIN;
        for (int s = 0; s < 2000; ++s) {
            const LineSheet sheet = std::get<LineSheet>(*generateSheet(kind, 2, random));
            QCOMPARE(sheet.rows.size(), 12);
            QCOMPARE(sheet.gap, QString(11, ' '));
            QString keys[2];
            for (const LineRow& row : sheet.rows) {
                QCOMPARE(row.numbers.size(), 6);
                for (int e = 0; e < 2; ++e) {
                    const int a = row.numbers[3 * e], b = row.numbers[3 * e + 1], c = row.numbers[3 * e + 2];
                    QVERIFY(a >= rule.aLow && a <= rule.aHigh);
                    QVERIFY(b >= 2 && b <= 9);
                    if (rule.tenAsC)
                        QCOMPARE(c, 10);
                    else
                        QVERIFY(c >= 2 && c <= 9);
                    lowA = qMin(lowA, a);
                    highA = qMax(highA, a);
                    lowBC = qMin(lowBC, qMin(b, c));
                    highBC = qMax(highBC, rule.tenAsC ? b : qMax(b, c));
                    QVERIFY2(rule.keeps(a, b, c), qPrintable(QString("%1 %2 %3").arg(a).arg(b).arg(c)));
                    const qint64 answer = rule.answer(a, b, c);
                    QVERIFY(answer >= 0 || rule.mayBeNegative);
                    keys[e] += rule.separator + QString::number(answer);
                }
            }
            QCOMPARE(sheet.firstKey, keys[0]);
            QCOMPARE(sheet.secondKey, keys[1]);
        }
        QCOMPARE(lowA, qMax(rule.aLow, rule.lowestA));
        QCOMPARE(highA, rule.aHigh);
        QCOMPARE(lowBC, 2);
        QCOMPARE(highBC, rule.highestBC);
    }
};

QTEST_MAIN(TestStructureSheets)
#include "tst_structuresheets.moc"
