// Line sheets without a printer: the texts a kind makes of given numbers, the dispatch by name
// and size code, draws that end, and thousands of seeded sheets checked against each kind's rules.
#include "core/random.h"
#include "worksheets/sheetdispatch.h"
#include "worksheets/threenumbersheets.h"
#include "worksheets/twonumbersheets.h"

#include <QRegularExpression>
#include <QTest>
#include <bit>
#include <functional>

namespace {
const QString Sp19(19, ' ');
const QString Sp11(11, ' ');

// The lowest size code a kind takes.
double code(const SheetGenerator& g) {
    return g.readsSizeCode() ? std::countr_zero(g.sizeCodes) : 0;
}

std::optional<LineRow> rowOf(const QString& kind, const QList<int>& n) {
    if (n.size() == 4) return twoNumberRow(kind, n[0], n[1], n[2], n[3]);
    return threeNumberRow(kind, n);
}

// What a kind must hold, told apart from the code that makes the sheets.
struct Rule {
    QList<QPair<int, int>> ranges; // each number's lowest and highest value
    std::function<bool(const QList<int>&)> holds;
    std::function<QPair<qint64, qint64>(const QList<int>&)> answers;
    QString separator;
    bool answerFirst = false;
    QString gap;
};

const QMap<QString, Rule>& rules() {
    static const QMap<QString, Rule> all = [] {
        const auto any = [](const QList<int>&) { return true; };
        const QPair<int, int> digit{2, 9};
        QMap<QString, Rule> r;
        r["a01"] = {{digit, digit, digit, digit},
                    any,
                    [](const QList<int>& n) { return qMakePair<qint64, qint64>(n[0] + n[1], n[3]); },
                    " - ",
                    false,
                    Sp19};
        r["a02"] = {{{3, 9}, {2, 8}, {3, 9}, {2, 8}},
                    [](const QList<int>& n) { return n[0] > n[1] && n[2] > n[3]; },
                    [](const QList<int>& n) { return qMakePair<qint64, qint64>(n[0] - n[1], n[3]); },
                    " - ",
                    false,
                    Sp19};
        const auto product = [](const QList<int>& n) { return qMakePair<qint64, qint64>(n[0] * n[1], n[3]); };
        r["a03"] = {{digit, digit, digit, digit}, any, product, "   ", false, Sp19};
        r["a04"] = {{{2, 3}, digit, {2, 3}, digit}, any, product, "   ", false, Sp19};
        r["a05"] = {{{2, 6}, digit, {2, 6}, digit}, any, product, "   ", false, Sp19};
        r["a06"] = {{{2, 8}, digit, {2, 8}, digit}, any, product, "   ", false, Sp19};
        const auto exact = [](const QList<int>& n) {
            return n[0] >= n[1] && n[0] % n[1] == 0 && n[2] >= n[3] && n[2] % n[3] == 0;
        };
        const auto quotients = [](const QList<int>& n) {
            return qMakePair<qint64, qint64>(n[0] / n[1], n[2] / n[3]);
        };
        r["a07"] = {{{2, 98}, digit, {2, 98}, digit}, exact, quotients, "   ", false, Sp19};
        r["a08"] = {{{2, 998}, digit, {2, 998}, digit}, exact, quotients, "   ", false, Sp19};
        const QList<QPair<int, int>> six(6, digit);
        r["A10"] = {six,
                    any,
                    [](const QList<int>& n) {
                        return qMakePair<qint64, qint64>(n[0] + n[1] + n[2], n[3] + n[4] + n[5]);
                    },
                    " - ",
                    false,
                    Sp11};
        r["a11"] = {six,
                    [](const QList<int>& n) { return n[0] + n[1] >= n[2] && n[3] + n[4] >= n[5]; },
                    [](const QList<int>& n) {
                        return qMakePair<qint64, qint64>(n[0] + n[1] - n[2], n[3] + n[4] - n[5]);
                    },
                    " - ",
                    false,
                    Sp11};
        r["A12"] = {
            {digit}, any,  [](const QList<int>& n) { return qMakePair<qint64, qint64>(4 * n[0], 4 * n[0]); },
            " - ",   true, Sp11};
        r["a15"] = {
            {digit}, any,  [](const QList<int>& n) { return qMakePair<qint64, qint64>(3 * n[0], 3 * n[0]); },
            " - ",   true, Sp11};
        return r;
    }();
    return all;
}
} // namespace

class TestLineSheets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The texts and key entries a kind makes of numbers given to it.
    void rows_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("firstEntry");
        QTest::addColumn<QString>("secondEntry");
        QTest::newRow("a01") << "a01" << QList<int>{6, 2, 5, 3} << "6 + 2 =   ______"
                             << "5 +  ________ = 8"
                             << " - 8"
                             << " - 3";
        QTest::newRow("a01 other") << "a01" << QList<int>{3, 5, 4, 7} << "3 + 5 =   ______"
                                   << "4 +  ________ = 11"
                                   << " - 8"
                                   << " - 7";
        QTest::newRow("a02") << "a02" << QList<int>{9, 2, 7, 3} << "9 - 2 =   ______"
                             << "7 -  ________ = 4"
                             << " - 7"
                             << " - 3";
        QTest::newRow("a03") << "a03" << QList<int>{9, 9, 8, 7} << "9 x 9 =   ______"
                             << "8 x  ________ = 56"
                             << "   81"
                             << "   7";
        QTest::newRow("a04") << "a04" << QList<int>{3, 4, 2, 5} << "3 x 4 =   ______"
                             << "2 x  ________ = 10"
                             << "   12"
                             << "   5";
        QTest::newRow("a07 shows both") << "a07" << QList<int>{98, 7, 7, 7} << "98 : 7 =   ______"
                                        << "7 : 7 =   ______"
                                        << "   14"
                                        << "   1";
        QTest::newRow("a08") << "a08" << QList<int>{996, 4, 18, 9} << "996 : 4 =   ______"
                             << "18 : 9 =   ______"
                             << "   249"
                             << "   2";
        QTest::newRow("A10") << "A10" << QList<int>{9, 8, 7, 2, 2, 2} << "9 + 8 +  7 =   ______"
                             << "2 + 2 +  2 =   ______"
                             << " - 24"
                             << " - 6";
        QTest::newRow("a11 zero") << "a11" << QList<int>{2, 2, 4, 9, 9, 2} << "2 + 2 -  4 =   ______"
                                  << "9 + 9 -  2 =   ______"
                                  << " - 0"
                                  << " - 16";
        QTest::newRow("A12") << "A12" << QList<int>{7} << "4 x 7 =   ____"
                             << "7 + 7 + 7+7 = _____"
                             << "28 - "
                             << "28 - ";
        QTest::newRow("a15") << "a15" << QList<int>{4} << "3 x 4 =   ____"
                             << "4 + 4+4 = _____"
                             << "12 - "
                             << "12 - ";
    }
    void rows() {
        QFETCH(QString, kind);
        QFETCH(QList<int>, numbers);
        const std::optional<LineRow> row = rowOf(kind, numbers);
        QVERIFY(row);
        QCOMPARE(row->numbers, numbers);
        QTEST(row->first, "first");
        QTEST(row->second, "second");
        QTEST(row->firstKeyEntry, "firstEntry");
        QTEST(row->secondKeyEntry, "secondEntry");
    }

    void otherFamiliesMakeNoRow() {
        QVERIFY(!twoNumberRow("A10", 2, 3, 4, 5));
        QVERIFY(!threeNumberRow("a01", {2, 3, 4, 5, 6, 7}));
        QVERIFY(!threeNumberRow("A12", {2, 3}));
    }

    // Names are matched exactly; the line kinds read no size code and take whatever the label holds.
    void dispatch_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("sizeCode");
        QTest::addColumn<bool>("made");
        QTest::newRow("a01, label never written") << "a01" << 0.0 << true;
        QTest::newRow("A10, code 4") << "A10" << 4.0 << true;
        QTest::newRow("a15, odd code") << "a15" << 2.5 << true;
        QTest::newRow("a08, negative code") << "a08" << -3.0 << true;
        QTest::newRow("unknown") << "a99" << 2.0 << false;
        QTest::newRow("case counts") << "a10" << 2.0 << false;
        QTest::newRow("empty") << "" << 2.0 << false;
    }
    void dispatch() {
        QFETCH(QString, name);
        QFETCH(double, sizeCode);
        QFETCH(bool, made);
        Random random;
        if (!made) QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no sheet kind"));
        const std::optional<Sheet> sheet = generateSheet(name, sizeCode, random);
        QCOMPARE(sheet.has_value(), made);
        if (made) QCOMPARE(std::get<LineSheet>(*sheet).rows.size(), 12);
    }

    // A kind that reads a size code takes only its own codes, and only whole ones.
    void sizeCodes_data() {
        QTest::addColumn<double>("code");
        QTest::addColumn<bool>("taken");
        QTest::newRow("2") << 2.0 << true;
        QTest::newRow("4") << 4.0 << true;
        QTest::newRow("1") << 1.0 << false;
        QTest::newRow("5") << 5.0 << false;
        QTest::newRow("0") << 0.0 << false;
        QTest::newRow("2.5") << 2.5 << false;
        QTest::newRow("-2") << -2.0 << false;
        QTest::newRow("huge") << 1e300 << false;
        QTest::newRow("nan") << std::nan("") << false;
    }
    void sizeCodes() {
        QFETCH(double, code);
        const SheetGenerator reads{"x", sizeCodeSet({2, 3, 4}), nullptr};
        QTEST(reads.takes(code), "taken");
        const SheetGenerator readsNone{"y", 0, nullptr};
        QVERIFY(readsNone.takes(code));
    }

    // Every table name is unique, so the dispatch finds each kind by its name.
    void namesUnique() {
        QStringList names;
        for (const SheetGenerator* g : sheetGenerators())
            names.append(g->name);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        for (const QString& name : rules().keys())
            QVERIFY2(findSheetGenerator(name), qPrintable(name));
    }

    // A sheet that runs out of draws is refused, so no loop can hold the window.
    void drawsEnd() {
        Random random;
        for (const char* kind : {"a01", "a07", "a08", "a11", "A12"}) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("used up its draws"));
            QVERIFY(!generateSheet(kind, 0, random, 10));
        }
        // A number that can never reach its bound ends too.
        Draws draws(random, 1000);
        QVERIFY_THROWS_EXCEPTION(DrawLimitReached, draws.number(2, 5));
        QVERIFY(generateSheet("a08", 0, random));
    }

    // The generator is never reseeded by a sheet: the same seed gives the same sheets.
    void seededRepeats() {
        Random one, two;
        one.seed(42);
        two.seed(42);
        for (int i = 0; i < 3; ++i)
            for (const SheetGenerator* g : sheetGenerators())
                QVERIFY2(*generateSheet(g->name, code(*g), one) == *generateSheet(g->name, code(*g), two),
                         g->name);
        const LineSheet a = std::get<LineSheet>(*generateSheet("a08", 0, one));
        const LineSheet b = std::get<LineSheet>(*generateSheet("a08", 0, one));
        QVERIFY(a.rows != b.rows);
    }

    // 2,000 seeded sheets of each kind: numbers in their ranges, reaching both ends; every test
    // holding; texts as the kind makes them of those numbers; two key lines of twelve entries.
    void manySheets_data() {
        QTest::addColumn<QString>("kind");
        for (const QString& kind : rules().keys())
            QTest::newRow(qPrintable(kind)) << kind;
    }
    void manySheets() {
        QFETCH(QString, kind);
        const Rule& rule = rules()[kind];
        Random random;
        random.seed(2026);
        QList<int> lowest(rule.ranges.size(), INT_MAX), highest(rule.ranges.size(), INT_MIN);
        for (int s = 0; s < 2000; ++s) {
            const std::optional<Sheet> made = generateSheet(kind, 0, random);
            QVERIFY(made);
            const LineSheet& sheet = std::get<LineSheet>(*made);
            QCOMPARE(sheet.rows.size(), 12);
            QCOMPARE(sheet.gap, rule.gap);
            QString firstKey, secondKey;
            for (const LineRow& row : sheet.rows) {
                const QList<int>& n = row.numbers;
                QCOMPARE(n.size(), rule.ranges.size());
                for (int i = 0; i < n.size(); ++i) {
                    QVERIFY2(n[i] >= rule.ranges[i].first && n[i] <= rule.ranges[i].second,
                             qPrintable(QString("number %1 is %2").arg(i).arg(n[i])));
                    lowest[i] = qMin(lowest[i], n[i]);
                    highest[i] = qMax(highest[i], n[i]);
                }
                QVERIFY(rule.holds(n));
                const std::optional<LineRow> expected = rowOf(kind, n);
                QVERIFY(expected);
                QCOMPARE(row.first, expected->first);
                QCOMPARE(row.second, expected->second);
                const auto [x, y] = rule.answers(n);
                QVERIFY(x >= 0 && y >= 0);
                auto entry = [&](qint64 answer) -> QString {
                    return rule.answerFirst ? QString::number(answer) + rule.separator
                                            : rule.separator + QString::number(answer);
                };
                firstKey += entry(x);
                secondKey += entry(y);
            }
            QCOMPARE(sheet.firstKey, firstKey);
            QCOMPARE(sheet.secondKey, secondKey);
        }
        for (int i = 0; i < rule.ranges.size(); ++i) {
            QCOMPARE(lowest[i], rule.ranges[i].first);
            QCOMPARE(highest[i], rule.ranges[i].second);
        }
    }
};

QTEST_MAIN(TestLineSheets)
#include "tst_linesheets.moc"
