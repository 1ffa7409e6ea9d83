// Line sheets on paper: every text and line of a sheet where the frame and the layout put it on
// the recording printer, one job of one page per sheet, failed jobs, and sheets read back from a
// PDF as words and pictures.
#include "core/fonts.h"
#include "core/printer.h"
#include "core/random.h"
#include "fakeprinting.h"
#include "pdfreadback.h"
#include "worksheets/runpdf.h"
#include "worksheets/sheetdispatch.h"
#include "worksheets/sheetframe.h"

#include <QTemporaryDir>
#include <QTest>
#include <bit>

namespace {
constexpr double Line18 = 18 * FakePrinting::TwipsPerPointOfLine;
constexpr double Line8 = 8 * FakePrinting::TwipsPerPointOfLine;

LineSheet sheetOf(const QString& kind, int seed = 7) {
    Random random;
    random.seed(seed);
    return std::get<LineSheet>(*generateSheet(kind, 0, random));
}

// The kinds that print line sheets.
QStringList kinds() {
    QStringList names;
    Random random;
    for (const SheetGenerator* g : sheetGenerators()) {
        const double code = g->readsSizeCode() ? std::countr_zero(g->sizeCodes) : 0;
        if (std::holds_alternative<LineSheet>(*generateSheet(g->name, code, random))) names.append(g->name);
    }
    return names;
}

// What a line sheet puts on its page, worked out from the layout's rules.
QList<PrintedText> expectedTexts(const LineSheet& sheet, const QString& font, const QString& title) {
    QList<PrintedText> texts;
    if (!title.isEmpty()) texts.append({2000, 1200, font, 18, title});
    for (int i = 0; i < sheet.rows.size(); ++i)
        texts.append({1200, 2500 + 2 * i * Line18, font, 18,
                      QString(8, ' ') + sheet.rows[i].first + sheet.gap + sheet.rows[i].second});
    const double keyTop = 2500 + 26 * Line18;
    texts.append({1800, keyTop, font, 8, sheet.firstKey});
    texts.append({1800, keyTop + Line8, font, 8, sheet.secondKey});
    texts.append({4000, 15500, font, 6, "Fitxa feta amb Taudrin"});
    return texts;
}
} // namespace

class TestSheetPrinting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }

    // The row as the reader sees it: eight spaces, the first exercise, the gap, the second.
    void rowText() {
        LineSheet sheet;
        sheet.gap = QString(19, ' ');
        for (int i = 0; i < 12; ++i)
            sheet.add(LineRow{{6, 2, 5, 3}, "6 + 2 =   ______", "5 +  ________ = 8", " - 8", " - 3"});
        FakePrinting fake;
        Printer printer(fake);
        QVERIFY(printSheet(printer, sheet, "Arial", "Escola"));
        const PrintedText& row = fake.jobs[0][0].texts[1];
        QCOMPARE(row.text, "        6 + 2 =   ______                   5 +  ________ = 8");
        QCOMPARE(fake.jobs[0][0].texts[13].text, QString(" - 8").repeated(12));
        QCOMPARE(fake.jobs[0][0].texts[14].text, QString(" - 3").repeated(12));
    }

    // Each kind: one job of one page, its texts and its one line where they belong.
    void page_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        for (const QString& kind : kinds())
            QTest::newRow(qPrintable(kind)) << kind << "Escola Pia de Sant Antoni";
        QTest::newRow("no school name") << "a01"
                                        << "";
        QTest::newRow("no school name, one key") << "A12"
                                                 << "";
    }
    void page() {
        QFETCH(QString, kind);
        QFETCH(QString, title);
        const LineSheet sheet = sheetOf(kind);
        FakePrinting fake;
        Printer printer(fake);
        QVERIFY(printSheet(printer, sheet, "Times New Roman", title));
        QCOMPARE(fake.jobs.size(), 1);
        QCOMPARE(fake.jobs[0].size(), 1);
        const PrintedPage& page = fake.jobs[0][0];
        QCOMPARE(page.texts, expectedTexts(sheet, "Times New Roman", title));
        QCOMPARE(page.lines, QList<PrintedLine>({{{1600, 2000}, {9800, 2000}}}));
        // Both key lines of the one-key kinds are the same text.
        if (kind == "A12" || kind == "a15") QCOMPARE(sheet.firstKey, sheet.secondKey);
    }

    // No font chosen prints in Arial; the printer keeps nothing of one sheet for the next.
    void fontsAndJobs() {
        FakePrinting fake;
        Printer printer(fake);
        QVERIFY(printSheet(printer, sheetOf("a03"), "", "Escola"));
        QVERIFY(printSheet(printer, sheetOf("a11"), "Courier New", "Escola"));
        QCOMPARE(fake.jobs.size(), 2);
        for (const PrintedText& t : fake.jobs[0][0].texts)
            QCOMPARE(t.fontName, "Arial");
        QCOMPARE(fake.jobs[1][0].texts, expectedTexts(sheetOf("a11"), "Courier New", "Escola"));
    }

    // A job that fails reports it, and leaves nothing behind for the next sheet.
    void failedJob() {
        FakePrinting fake;
        fake.failAtJob = 1;
        Printer printer(fake);
        QVERIFY(!printSheet(printer, sheetOf("a07"), "Arial", "Escola"));
        QVERIFY(fake.jobs.isEmpty());
        QVERIFY(printer.openPages().isEmpty());
        QVERIFY(printSheet(printer, sheetOf("a08"), "Arial", "Escola"));
        QCOMPARE(fake.jobs.size(), 1);
        QCOMPARE(fake.jobs[0].size(), 1);
        QCOMPARE(fake.jobs[0][0].texts, expectedTexts(sheetOf("a08"), "Arial", "Escola"));
    }

    // One sheet of each kind into a PDF, read back: the title at the top, the rule under it,
    // twelve rows each split in two exercises by the gap, two lines of small keys, and the credit
    // line at the foot.
    void pdf() {
        if (!pdfToolsInstalled()) QSKIP("poppler-utils is missing (tools/debian-packages.txt)");
        QTemporaryDir dir;
        RunPdfPrinting pdf(dir.filePath("fulls.pdf"));
        Printer printer(pdf);
        const QStringList names = kinds();
        QList<LineSheet> sheets;
        for (const QString& kind : names) {
            sheets.append(sheetOf(kind));
            QVERIFY(printSheet(printer, sheets.last(), "Arial", "Escola"));
        }
        QVERIFY(pdf.finish());
        QCOMPARE(pdfPageCount(pdf.fileName()), names.size());
        const QList<PdfWord> words = pdfWords(pdf.fileName());
        const double margin = 18; // points
        const double line18 = pdf.lineHeight("Arial", 18) / 20;
        for (int p = 1; p <= names.size(); ++p) {
            const QString kind = names[p - 1];
            QList<PdfWord> onPage;
            for (const PdfWord& w : words)
                if (w.page == p) onPage.append(w);
            const PdfWord title = pdfWord(onPage, "Escola");
            QVERIFY2(qAbs(title.xMin - (margin + 100)) <= 1 && qAbs(title.yMin - (margin + 60)) <= 2,
                     qPrintable(kind));
            const PdfWord credit = pdfWord(onPage, "Taudrin");
            QVERIFY2(qAbs(credit.yMin - (margin + 775)) <= 1, qPrintable(kind));
            QVERIFY(credit.yMax - credit.yMin < 8);

            double rowHeight = 0;
            for (int r = 0; r < 12; ++r) {
                const double top = margin + 125 + 2 * r * line18;
                QList<PdfWord> row;
                for (const PdfWord& w : onPage)
                    if (qAbs(w.yMin - top) <= 3) row.append(w);
                std::sort(row.begin(), row.end(), [](auto& a, auto& b) { return a.xMin < b.xMin; });
                const LineRow& expected = sheets[p - 1].rows[r];
                const int firstWords = int(expected.first.split(' ', Qt::SkipEmptyParts).size());
                QCOMPARE(row.size(), firstWords + expected.second.split(' ', Qt::SkipEmptyParts).size());
                // The widest space on the row is the gap between the two exercises.
                int widest = 1;
                for (int i = 2; i < row.size(); ++i)
                    if (row[i].xMin - row[i - 1].xMax > row[widest].xMin - row[widest - 1].xMax) widest = i;
                QCOMPARE(widest, firstWords);
                QVERIFY(row[0].xMin > margin + 60 + 25); // after the eight spaces
                rowHeight = row[0].yMax - row[0].yMin;
            }
            // Key lines under the rows, in small print.
            const double keyTop = margin + 125 + 26 * line18;
            int keyWords = 0;
            for (const PdfWord& w : onPage) {
                if (w.yMin > keyTop - 2 && w.yMin < margin + 760) {
                    ++keyWords;
                    QVERIFY(w.yMax - w.yMin < rowHeight * 0.6);
                    QVERIFY(qAbs(w.xMin - (margin + 90)) <= 1 || w.xMin > margin + 90);
                }
            }
            QVERIFY2(keyWords >= 24, qPrintable(kind));

            // The rule is drawn the same on every page: the first and the last are looked at.
            if (p != 1 && p != names.size()) continue;
            const QImage picture = pdfPagePicture(pdf.fileName(), p);
            QVERIFY(!picture.isNull());
            auto ink = [&](double x, double y) {
                return qGray(picture.pixel(int(margin + x / 20), int(margin + y / 20))) < 128;
            };
            QVERIFY(ink(1700, 2000) && ink(5000, 2000) && ink(9700, 2000));
            QVERIFY(!ink(5000, 2200));
        }
    }
};

QTEST_MAIN(TestSheetPrinting)
#include "tst_sheetprinting.moc"
