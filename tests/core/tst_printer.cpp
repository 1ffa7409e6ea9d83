// The printer object on a recording printer: positions, line heights, pages and jobs.
#include "core/printer.h"
#include "fakeprinting.h"

#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <limits>

namespace {
constexpr double line = FakePrinting::TwipsPerPointOfLine;
}

class TestPrinter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fonts() {
        FakePrinting fake;
        fake.fonts = {"Arial", "Liberation Mono"};
        Printer printer(fake);
        QCOMPARE(printer.fontCount(), 2);
        QCOMPARE(printer.font(0), QString("Arial"));
        QCOMPARE(printer.font(1), QString("Liberation Mono"));
        QCOMPARE(printer.font(2), QString());
        QCOMPARE(printer.font(-1), QString());
    }

    // The steps of a page, and where each text lands.
    void positions() {
        FakePrinting fake;
        Printer printer(fake);
        printer.setFontName("Courier New");
        printer.setFontSize(18);
        printer.setCurrentY(1200);
        printer.setCurrentX(2000);
        printer.print("Escola");
        QCOMPARE(printer.currentX(), 0.0);
        QCOMPARE(printer.currentY(), 1200 + 18 * line);
        // Nothing printed: the line still ends, twice.
        printer.setCurrentX(500);
        printer.print();
        printer.print(QString());
        QCOMPARE(printer.currentX(), 0.0);
        QCOMPARE(printer.currentY(), 1200 + 3 * 18 * line);
        printer.print("a");
        // A new size moves the later lines by its own height.
        printer.setFontSize(6);
        printer.print("b");
        printer.print("c");
        QCOMPARE(printer.currentY(), 1200 + 4 * 18 * line + 2 * 6 * line);
        printer.line({1600, 2000}, {9800, 2000});
        QVERIFY(printer.endDoc());

        QCOMPARE(fake.jobs.size(), 1);
        QCOMPARE(fake.jobs[0].size(), 1);
        const PrintedPage& page = fake.jobs[0][0];
        const QList<PrintedText> expected{
            {2000, 1200, "Courier New", 18, "Escola"},
            {0, 1200 + 3 * 18 * line, "Courier New", 18, "a"},
            {0, 1200 + 4 * 18 * line, "Courier New", 6, "b"},
            {0, 1200 + 4 * 18 * line + 6 * line, "Courier New", 6, "c"},
        };
        QCOMPARE(page.texts, expected);
        QCOMPARE(page.lines, QList<PrintedLine>({{{1600, 2000}, {9800, 2000}}}));
    }

    // How many pages a job has, by the steps taken: t prints a text, n ends the page, e ends
    // the job.
    void pagesPerJob_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<int>>("pagesPerJob");
        QTest::newRow("page end then job end: one page") << "tne" << QList<int>{1};
        QTest::newRow("job end closes the open page") << "te" << QList<int>{1};
        QTest::newRow("two pages") << "tnte" << QList<int>{2};
        QTest::newRow("two pages, both ended") << "tntne" << QList<int>{2};
        QTest::newRow("a blank page between") << "tnnte" << QList<int>{3};
        QTest::newRow("nothing printed: no job") << "e" << QList<int>{};
        QTest::newRow("two sheets, two jobs") << "tnetne" << QList<int>{1, 1};
    }
    void pagesPerJob() {
        QFETCH(QString, steps);
        QFETCH(QList<int>, pagesPerJob);
        FakePrinting fake;
        Printer printer(fake);
        for (const QChar step : steps) {
            if (step == 't') printer.print("x");
            if (step == 'n') printer.newPage();
            if (step == 'e') QVERIFY(printer.endDoc());
        }
        QList<int> counted;
        for (const QList<PrintedPage>& job : fake.jobs)
            counted.append(int(job.size()));
        QCOMPARE(counted, pagesPerJob);
    }

    void newPageAndJobEndStartAtTheCorner() {
        FakePrinting fake;
        Printer printer(fake);
        printer.setCurrentX(300);
        printer.setCurrentY(400);
        printer.newPage();
        QCOMPARE(printer.currentX(), 0.0);
        QCOMPARE(printer.currentY(), 0.0);
        printer.setCurrentX(300);
        printer.setCurrentY(400);
        printer.print("x");
        QVERIFY(printer.endDoc());
        QCOMPARE(printer.currentY(), 0.0);
        QVERIFY(printer.openPages().isEmpty());
    }

    // A failed job is dropped: the next job holds only its own pages.
    void failingJob() {
        FakePrinting fake;
        fake.failAtJob = 2;
        Printer printer(fake);
        printer.print("one");
        QVERIFY(printer.endDoc());
        printer.print("two");
        QVERIFY(!printer.endDoc());
        printer.print("three");
        QVERIFY(printer.endDoc());
        QCOMPARE(fake.attempts, 3);
        QCOMPARE(fake.jobs.size(), 2);
        QCOMPARE(fake.jobs[1].size(), 1);
        QCOMPARE(fake.jobs[1][0].texts.size(), 1);
        QCOMPARE(fake.jobs[1][0].texts[0].text, QString("three"));
    }

    void noPrinter() {
        FakePrinting fake;
        fake.present = false;
        Printer printer(fake);
        printer.print("x");
        QVERIFY(!printer.endDoc());
        QVERIFY(fake.jobs.isEmpty());
    }

    // Numbers that are no position or size never reach a page.
    void strayNumbers() {
        FakePrinting fake;
        Printer printer(fake);
        printer.setFontSize(10);
        printer.setFontSize(0);
        printer.setFontSize(-3);
        printer.setFontSize(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(printer.fontSize(), 10.0);
        printer.setCurrentX(std::numeric_limits<double>::infinity());
        printer.setCurrentY(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(printer.currentX(), 0.0);
        QCOMPARE(printer.currentY(), 0.0);
        printer.setCurrentY(1e300);
        QVERIFY(printer.currentY() < 1e8);
    }

    void documentSelectionOrWhole() {
        FakePrinting fake;
        Printer printer(fake);
        QTextDocument document;
        document.setPlainText("primera\nsegona");
        QTextCursor cursor(&document);
        QVERIFY(printer.printDocument(cursor));
        cursor.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor);
        QVERIFY(printer.printDocument(cursor));
        QCOMPARE(fake.documents, QStringList({"primera\nsegona", "primera"}));
        // The text being edited is left as it was.
        QCOMPARE(document.toPlainText(), QString("primera\nsegona"));
        fake.present = false;
        QVERIFY(!printer.printDocument(cursor));
    }
};

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"
