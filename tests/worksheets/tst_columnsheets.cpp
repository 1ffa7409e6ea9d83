// Column sheets: field texts, the two key styles, where a sheet's texts stand on the recording
// printer, the size codes each kind takes, thousands of seeded sheets for each grid row, and one
// sheet of each row read back from the PDF of a run.
#include "core/fonts.h"
#include "core/printer.h"
#include "core/random.h"
#include "fakeprinting.h"
#include "pdfreadback.h"
#include "worksheets/exercisekinds.h"
#include "worksheets/runpdf.h"
#include "worksheets/sheetdispatch.h"
#include "worksheets/sheetframe.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Row {
    int row;
    QString kind;
    int code;
    qint64 firstLow, firstHigh, secondLow, secondHigh;
    char operation;
    int pitch;
    int shift;
    QString prefix;
    int drop;
    int bar;
    bool twoLines;
};

// The grid rows that print column sheets, as the kinds must draw and lay them out.
const QList<Row>& rows() {
    static const QList<Row> all{
        {5, "colsum", 2, 9, 99, 9, 99, '+', 3500, 0, "", 790, 950, false},
        {6, "colsum", 3, 99, 999, 99, 999, '+', 3500, 0, "", 790, 950, false},
        {7, "colsum", 4, 999, 9999, 999, 9999, '+', 3500, 0, "", 790, 950, false},
        {8, "colsum2", 3, 9, 99, 1, 9, '+', 3200, 120, "", 790, 950, false},
        {9, "colsum2", 4, 99, 999, 9, 99, '+', 3200, 120, "", 790, 950, false},
        {10, "colsum2", 5, 999, 9999, 99, 999, '+', 3200, 120, "", 790, 950, false},
        {12, "colsub", 2, 9, 99, 9, 99, '-', 3200, 0, "", 790, 950, false},
        {13, "colsub", 3, 99, 999, 99, 999, '-', 3200, 0, "", 790, 950, false},
        {14, "colsub", 4, 999, 9999, 999, 9999, '-', 3200, 0, "", 790, 950, false},
        {15, "colsub2", 3, 9, 99, 1, 9, '-', 3200, 120, "", 790, 950, false},
        {16, "colsub2", 4, 99, 999, 9, 99, '-', 3200, 120, "", 790, 950, false},
        {18, "mm1", 4, 99, 999, 66, 66, '-', 3200, 0, " ", 790, 950, true},
        {25, "mm2", 4, 999, 9999, 999, 999, '-', 3200, 0, " ", 790, 950, true},
        {26, "colmulto2", 4, 99, 998, 2, 2, 'x', 3200, 190, "", 790, 950, true},
        {27, "colmulto5", 4, 99, 998, 2, 5, 'x', 3200, 190, "", 790, 950, true},
        {28, "colmulto9", 4, 99, 998, 2, 9, 'x', 3200, 190, "", 790, 950, true},
        {29, "colmul", 3, 99, 999, 9, 99, 'x', 3200, 120, "", 750, 1010, true},
        {30, "colmul", 4, 999, 9999, 99, 999, 'x', 3200, 120, "", 750, 1010, true},
        {31, "mm3", 3, 99, 999, 66, 66, 'x', 3200, 0, " ", 750, 950, true},
        {32, "mm4", 4, 999, 9999, 999, 999, 'x', 3200, 0, " ", 750, 950, true},
    };
    return all;
}

ColumnSheet sheetOf(const QString& kind, int code, int seed = 9) {
    Random random;
    random.seed(seed);
    return std::get<ColumnSheet>(*generateSheet(kind, code, random));
}
} // namespace

class TestColumnSheets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }

    void fieldTexts() {
        QCOMPARE(fieldText(5), "      5");
        QCOMPARE(fieldText(0), "      0");
        QCOMPARE(fieldText(19998), "  19998");
        QCOMPARE(fieldText(1234567), "1234567");
        QCOMPARE(fieldText(12345678), "12345678");
    }

    void keyLines() {
        ColumnSheet sheet;
        for (int i = 1; i <= 12; ++i)
            sheet.exercises.append({0, 0, i == 9 ? 9989001 : i});
        const QStringList one = columnKeyLines(sheet);
        QCOMPARE(one.size(), 1);
        QCOMPARE(one[0].size(), 84);
        QCOMPARE(one[0].left(14), "      1      2");
        sheet.keyStyle = ColumnSheet::KeyStyle::TwoLines;
        const QStringList two = columnKeyLines(sheet);
        QCOMPARE(two.size(), 2);
        QCOMPARE(two[0], "      1         2         3         4         5         6");
        QCOMPARE(two[1], "      7         8    9989001        10        11        12");
    }

    // colsub: the four texts of each exercise where they belong, the key at its place.
    void layout() {
        const ColumnSheet sheet = sheetOf("colsub", 3);
        FakePrinting fake;
        Printer printer(fake);
        QVERIFY(printSheet(printer, sheet, "Arial", "Escola"));
        QCOMPARE(fake.jobs.size(), 1);
        const PrintedPage& page = fake.jobs[0][0];
        QCOMPARE(page.texts.size(), 1 + 48 + 1 + 1);
        auto at = [&](int exercise, int part) { return page.texts[1 + 4 * exercise + part]; };
        const ColumnExercise& e = sheet.exercises[0];
        QCOMPARE(at(0, 0), PrintedText({1000, 2700, "Arial", 18, fieldText(e.first)}));
        QCOMPARE(at(0, 1), PrintedText({1000, 3090, "Arial", 18, fieldText(e.second)}));
        QCOMPARE(at(0, 2), PrintedText({950, 3090, "Arial", 18, "-"}));
        QCOMPARE(at(0, 3), PrintedText({950, 3250, "Arial", 18, "_______"}));
        for (int part = 0; part < 4; ++part) {
            QCOMPARE(at(3, part).left, at(0, part).left + 7800);
            QCOMPARE(at(3, part).top, at(0, part).top);
            QCOMPARE(at(4, part).left, at(0, part).left);
            QCOMPARE(at(4, part).top, at(0, part).top + 3200);
            QCOMPARE(at(11, part).top, at(0, part).top + 6400);
        }
        QCOMPARE(page.texts[49], PrintedText({2000, 14000, "Arial", 8, columnKeyLines(sheet)[0]}));
        QCOMPARE(page.texts[50].text, "Fitxa feta amb Taudrin");
    }

    // A two-line key: both lines from X 2000, the second one 8-pt line lower; the second number
    // after its prefix and shift.
    void twoLineLayout() {
        const ColumnSheet sheet = sheetOf("mm3", 3);
        FakePrinting fake;
        Printer printer(fake);
        QVERIFY(printSheet(printer, sheet, "Arial", ""));
        const PrintedPage& page = fake.jobs[0][0];
        QCOMPARE(page.texts[1], PrintedText({1000, 3050, "Arial", 18, "      66"}));
        const QStringList key = columnKeyLines(sheet);
        QCOMPARE(page.texts[48], PrintedText({2000, 14000, "Arial", 8, key[0]}));
        QCOMPARE(page.texts[49],
                 PrintedText({2000, 14000 + 8 * FakePrinting::TwipsPerPointOfLine, "Arial", 8, key[1]}));
    }

    // Size codes: each kind takes those of its rows; any other code is refused, never drawn from.
    void sizeCodes_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("code");
        QTest::addColumn<bool>("made");
        QTest::newRow("colsum 5") << "colsum" << 5.0 << false;
        QTest::newRow("colsum label never written") << "colsum" << 0.0 << false;
        QTest::newRow("colsum2 2") << "colsum2" << 2.0 << false;
        QTest::newRow("colsub2 5") << "colsub2" << 5.0 << false;
        QTest::newRow("colmul 2") << "colmul" << 2.0 << false;
        QTest::newRow("colmul 3.5") << "colmul" << 3.5 << false;
        QTest::newRow("mm1 any") << "mm1" << 77.0 << true;
        QTest::newRow("colmulto9 none") << "colmulto9" << 0.0 << true;
    }
    void sizeCodes() {
        QFETCH(QString, kind);
        QFETCH(double, code);
        QFETCH(bool, made);
        Random random;
        if (!made) QTest::ignoreMessage(QtWarningMsg, QRegularExpression("takes no size code"));
        QCOMPARE(generateSheet(kind, code, random).has_value(), made);
    }

    // Every row of the grid that prints column sheets is in the table above.
    void everyRow() {
        int columnRows = 0;
        Random random;
        for (const ExerciseKind& kind : exerciseKindTable()) {
            const std::optional<Sheet> sheet = generateSheet(kind.generator, kind.sizeCode, random);
            if (sheet && std::holds_alternative<ColumnSheet>(*sheet)) ++columnRows;
        }
        QCOMPARE(columnRows, rows().size());
    }

    // 2,000 seeded sheets for each row: numbers in range reaching both ends, answers right and
    // never negative, field texts of at most 7 characters, twelve exercises, the kind's layout.
    void manySheets_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < rows().size(); ++i)
            QTest::addRow("row %d %s", rows()[i].row, qPrintable(rows()[i].kind)) << i;
    }
    void manySheets() {
        QFETCH(int, index);
        const Row& r = rows()[index];
        const ExerciseKind& kind = exerciseKindTable()[r.row - 3];
        QCOMPARE(QString(kind.generator), r.kind);
        QCOMPARE(kind.sizeCode, r.code);
        Random random;
        random.seed(109);
        qint64 lowFirst = LLONG_MAX, highFirst = LLONG_MIN, lowSecond = LLONG_MAX, highSecond = LLONG_MIN;
        for (int s = 0; s < 2000; ++s) {
            const ColumnSheet sheet = std::get<ColumnSheet>(*generateSheet(r.kind, r.code, random));
            QCOMPARE(sheet.exercises.size(), 12);
            QCOMPARE(sheet.sign, QString(QChar(r.operation)));
            QCOMPARE(sheet.rowPitch, r.pitch);
            QCOMPARE(sheet.secondShift, r.shift);
            QCOMPARE(sheet.secondPrefix, r.prefix);
            QCOMPARE(sheet.secondDrop, r.drop);
            QCOMPARE(sheet.barDrop, r.bar);
            QCOMPARE(sheet.keyStyle == ColumnSheet::KeyStyle::TwoLines, r.twoLines);
            for (const ColumnExercise& e : sheet.exercises) {
                QVERIFY(e.first >= r.firstLow && e.first <= r.firstHigh);
                QVERIFY(e.second >= r.secondLow && e.second <= r.secondHigh);
                lowFirst = qMin(lowFirst, e.first);
                highFirst = qMax(highFirst, e.first);
                lowSecond = qMin(lowSecond, e.second);
                highSecond = qMax(highSecond, e.second);
                const qint64 expected = r.operation == '+'   ? e.first + e.second
                                        : r.operation == '-' ? e.first - e.second
                                                             : e.first * e.second;
                QCOMPARE(e.answer, expected);
                QVERIFY(e.answer >= 0);
                for (qint64 n : {e.first, e.second, e.answer})
                    QCOMPARE(fieldText(n).size(), 7);
            }
        }
        QCOMPARE(highFirst, r.firstHigh);
        QCOMPARE(lowSecond, r.secondLow);
        if (r.kind == "colsub") {
            // Both numbers of one size: the first reaches its bound, and the second its top,
            // only when the two are equal.
            QVERIFY(lowFirst - r.firstLow < (r.firstHigh - r.firstLow) / 20);
            QVERIFY(r.secondHigh - highSecond < (r.secondHigh - r.secondLow) / 20);
        } else {
            QCOMPARE(lowFirst, r.firstLow);
            QCOMPARE(highSecond, r.secondHigh);
        }
    }

    // Digits keep their width on paper: a number of 1s ends where any other number of its
    // length ends, so the units stand over the units (the font pairs "11" closer when kerning).
    void digitsKeepTheirColumns() {
        if (!pdfToolsInstalled()) QSKIP("poppler-utils is missing (tools/debian-packages.txt)");
        QTemporaryDir dir;
        RunPdfPrinting pdf(dir.filePath("columnes.pdf"));
        Printer printer(pdf);
        ColumnSheet sheet = sheetOf("colsum", 4);
        for (const qint64 first : {qint64(2345), qint64(1111)}) {
            sheet.exercises[0].first = first;
            QVERIFY(printSheet(printer, sheet, "Arial", "Escola"));
        }
        QVERIFY(pdf.finish());
        double ends[2] = {0, 0};
        for (const PdfWord& w : pdfWords(pdf.fileName()))
            if (w.text == (w.page == 1 ? "2345" : "1111")) ends[w.page - 1] = w.xMax;
        QVERIFY(ends[0] > 0 && ends[1] > 0);
        QVERIFY2(qAbs(ends[0] - ends[1]) < 0.5, qPrintable(QString("%1 %2").arg(ends[0]).arg(ends[1])));
    }

    // One sheet of each row in a PDF: the numbers over the rule, the sign left of the second
    // number, the key small near the foot.
    void pdf() {
        if (!pdfToolsInstalled()) QSKIP("poppler-utils is missing (tools/debian-packages.txt)");
        QTemporaryDir dir;
        RunPdfPrinting pdf(dir.filePath("fulls.pdf"));
        Printer printer(pdf);
        QList<ColumnSheet> sheets;
        for (const Row& r : rows()) {
            sheets.append(sheetOf(r.kind, r.code));
            QVERIFY(printSheet(printer, sheets.last(), "Arial", "Escola"));
        }
        QVERIFY(pdf.finish());
        QCOMPARE(pdfPageCount(pdf.fileName()), rows().size());
        const QList<PdfWord> words = pdfWords(pdf.fileName());
        const double margin = 18;
        for (int p = 1; p <= rows().size(); ++p) {
            const ColumnSheet& sheet = sheets[p - 1];
            QList<PdfWord> onPage;
            for (const PdfWord& w : words)
                if (w.page == p) onPage.append(w);
            auto wordNear = [&](const QString& text, double topTwips, double leftTwips,
                                bool prefixOnly = false) {
                for (const PdfWord& w : onPage)
                    if ((prefixOnly ? w.text.startsWith(text) : w.text == text) &&
                        qAbs(w.yMin - (margin + topTwips / 20)) <= 3 && w.xMin >= margin + leftTwips / 20 - 1)
                        return w;
                return PdfWord{};
            };
            // Exercise 6: second row, second column.
            const ColumnExercise& e = sheet.exercises[5];
            const double x = 2600, y = 2300 + sheet.rowPitch;
            const PdfWord first = wordNear(QString::number(e.first), y + 400, x + 1000);
            const PdfWord second = wordNear(QString::number(e.second), y + sheet.secondDrop, x + 1000);
            // The reader joins the sign and the rule just under it when their lines overlap.
            const PdfWord sign = wordNear(sheet.sign, y + sheet.secondDrop, x + 950, true);
            PdfWord rule = wordNear("_______", y + sheet.barDrop, x + 950);
            if (rule.text.isEmpty() && sign.text == sheet.sign + "_______") rule = sign;
            QVERIFY2(!first.text.isEmpty() && !second.text.isEmpty() && !sign.text.isEmpty() &&
                         !rule.text.isEmpty(),
                     qPrintable(rows()[p - 1].kind));
            QVERIFY(sign.xMin < second.xMin);
            QVERIFY(first.yMin < second.yMin && second.yMin <= rule.yMin);
            // Right-aligned in a proportional font: the ends of both numbers near each other,
            // over the rule.
            QVERIFY2(qAbs(first.xMax - second.xMax) < 20, qPrintable(rows()[p - 1].kind));
            QVERIFY(first.xMax <= rule.xMax + 12 && second.xMax <= rule.xMax + 16);
            QVERIFY(first.xMin >= rule.xMin);
            const PdfWord key = wordNear(QString::number(sheet.exercises[0].answer), 14000, 2000);
            QVERIFY(!key.text.isEmpty());
            QVERIFY(key.yMax - key.yMin < (first.yMax - first.yMin) * 0.6);
        }
    }
};

QTEST_MAIN(TestColumnSheets)
#include "tst_columnsheets.moc"
