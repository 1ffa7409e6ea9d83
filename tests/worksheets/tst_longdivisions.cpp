// Long-division sheets: spaced digits and the key, where a cell's rules and texts stand on the
// recording printer, the size codes, and thousands of seeded sheets for each code.
#include "core/fonts.h"
#include "core/printer.h"
#include "core/random.h"
#include "fakeprinting.h"
#include "pdfreadback.h"
#include "worksheets/runpdf.h"
#include "worksheets/sheetdispatch.h"
#include "worksheets/sheetframe.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestLongDivisions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }

    void texts() {
        QCOMPARE(spacedDigits(92), "9 2 ");
        QCOMPARE(spacedDigits(4), "4 ");
        QCOMPARE(spacedDigits(9801), "9 8 0 1 ");
        LongDivisionSheet sheet;
        sheet.divisions = {{4, 23, 92}, {7, 45, 315}};
        QCOMPARE(longDivisionKey(sheet), "  23  45");
    }

    void layout() {
        LongDivisionSheet sheet;
        for (int i = 0; i < 9; ++i)
            sheet.divisions.append({4, 23, 92});
        sheet.divisions[8] = {7, 45, 315};
        FakePrinting fake;
        Printer printer(fake);
        QVERIFY(printSheet(printer, sheet, "Arial", "Escola"));
        const PrintedPage& page = fake.jobs[0][0];
        QCOMPARE(page.texts.size(), 1 + 18 + 1 + 1);
        QCOMPARE(page.texts[1], PrintedText({2250, 2550, "Arial", 18, "4 "}));
        QCOMPARE(page.texts[2], PrintedText({800, 2550, "Arial", 18, "9 2 "}));
        QCOMPARE(page.texts[17], PrintedText({6450 + 2250, 9550, "Arial", 18, "7 "}));
        QCOMPARE(page.texts[18], PrintedText({6450 + 800, 9550, "Arial", 18, "3 1 5 "}));
        QCOMPARE(page.texts[19], PrintedText({1800, 14000, "Arial", 12, longDivisionKey(sheet)}));
        QCOMPARE(page.lines.size(), 1 + 18);
        QCOMPARE(page.lines[1], PrintedLine({QPointF(2200, 3000), QPointF(3200, 3000)}));
        QCOMPARE(page.lines[2], PrintedLine({QPointF(2200, 3000), QPointF(2200, 2550)}));
        QCOMPARE(page.lines[18], PrintedLine({QPointF(8650, 10000), QPointF(8650, 9550)}));
    }

    void sizeCodes_data() {
        QTest::addColumn<double>("code");
        QTest::addColumn<bool>("made");
        QTest::newRow("1") << 1.0 << true;
        QTest::newRow("2") << 2.0 << true;
        QTest::newRow("0") << 0.0 << false;
        QTest::newRow("3") << 3.0 << false;
        QTest::newRow("1.5") << 1.5 << false;
    }
    void sizeCodes() {
        QFETCH(double, code);
        QFETCH(bool, made);
        Random random;
        if (!made) QTest::ignoreMessage(QtWarningMsg, QRegularExpression("takes no size code"));
        QCOMPARE(generateSheet("longdiv", code, random).has_value(), made);
    }

    void manySheets_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("1") << 1 << 1 << 9;
        QTest::newRow("2") << 2 << 10 << 99;
    }
    void manySheets() {
        QFETCH(int, code);
        QFETCH(int, low);
        QFETCH(int, high);
        Random random;
        random.seed(111);
        int lowSeen = 1000, highSeen = 0;
        for (int s = 0; s < 2000; ++s) {
            const auto sheet = std::get<LongDivisionSheet>(*generateSheet("longdiv", code, random));
            QCOMPARE(sheet.divisions.size(), 9);
            for (const LongDivision& d : sheet.divisions) {
                QVERIFY(d.divisor >= low && d.divisor <= high);
                QVERIFY(d.quotient >= 10 && d.quotient <= 99);
                QCOMPARE(d.dividend, d.divisor * d.quotient);
                lowSeen = qMin<int>(lowSeen, d.divisor);
                highSeen = qMax<int>(highSeen, d.divisor);
            }
            QCOMPARE(longDivisionKey(sheet).size(), 36);
        }
        QCOMPARE(lowSeen, low);
        QCOMPARE(highSeen, high);
    }

    // The widest numbers on paper, in Arial: every digit of a four-digit dividend stays before its
    // bracket, every divisor between the bracket and the next cell, and each bracket is drawn.
    void pdf() {
        if (!pdfToolsInstalled()) QSKIP("poppler-utils is missing (tools/debian-packages.txt)");
        LongDivisionSheet sheet;
        for (int i = 0; i < 9; ++i)
            sheet.divisions.append(i % 2 ? LongDivision{99, 99, 9801} : LongDivision{88, 88, 7744});
        QTemporaryDir dir;
        RunPdfPrinting pdf(dir.filePath("divisions.pdf"));
        Printer printer(pdf);
        QVERIFY(printSheet(printer, sheet, "Arial", "Escola"));
        QVERIFY(pdf.finish());
        QCOMPARE(pdfPageCount(pdf.fileName()), 1);
        const QList<PdfWord> words = pdfWords(pdf.fileName());
        const QImage picture = pdfPagePicture(pdf.fileName(), 1);
        QVERIFY(!picture.isNull());
        const double margin = 18; // points
        auto ink = [&](double x, double y) {
            return qGray(picture.pixel(int(margin + x / 20), int(margin + y / 20))) < 128;
        };
        for (int k = 0; k < 9; ++k) {
            const double x = (k % 3) * 3225, y = 2300 + (k / 3) * 3500;
            const LongDivision& d = sheet.divisions[k];
            QString dividend, divisor;
            for (const PdfWord& w : words) {
                if (w.yMin < margin + y / 20 - 2 || w.yMax > margin + (y + 700) / 20 + 2) continue;
                if (w.xMin >= margin + (x + 790) / 20 && w.xMax <= margin + (x + 2200) / 20) dividend += w.text;
                if (w.xMin >= margin + (x + 2240) / 20 && w.xMax <= margin + (x + 3225) / 20) divisor += w.text;
            }
            QCOMPARE(dividend, QString::number(d.dividend));
            QCOMPARE(divisor, QString::number(d.divisor));
            QVERIFY2(ink(x + 2200, y + 500) && ink(x + 2700, y + 700) && ink(x + 3150, y + 700),
                     qPrintable(QString::number(k)));
            QVERIFY(!ink(x + 2700, y + 900));
        }
        QCOMPARE(pdfWord(words, "Escola").page, 1);
    }
};

QTEST_MAIN(TestLongDivisions)
#include "tst_longdivisions.moc"
