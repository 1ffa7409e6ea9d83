// The worksheet window: its controls and grid after load, the font choice, clearing the counts,
// and print runs on the recording printer, into a PDF when there is no printer or it refuses
// the sheets, and when a job or a count goes wrong.
#include "core/forms.h"
#include "core/services.h"
#include "core/sharedstate.h"
#include "fulldisk.h"
#include "pdfreadback.h"
#include "platform/qtprinting.h"
#include "printqueue.h"
#include "testservices.h"
#include "worksheets/exercisekinds.h"
#include "worksheets/sheetdispatch.h"
#include "worksheets/todossi.h"
#include "worksheets/worksheetgrid.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

namespace {
struct Window {
    TestServices t;
    todossi* f = nullptr;

    explicit Window(const QStringList& fonts = {"Arial", "Courier New", "Times New Roman"}) {
        t.printing.fonts = fonts;
        f = &t.forms().show<todossi>();
        t.state().setActivityCode(101);
    }
    void count(int row, const QString& text) {
        f->Grid1->setRow(row);
        f->Grid1->setCol(0);
        f->Grid1->setText(text);
    }
    void run(bool ok = true) {
        t.dialogs.answerOkCancel(ok);
        f->IMOSS->trigger();
    }
    QPoint cell() const { return {f->Grid1->Row(), f->Grid1->Col()}; }
    // The first exercise of every job's first row, which tells the kinds apart.
    QStringList firstExercises() const {
        QStringList out;
        for (const QList<PrintedPage>& job : t.printing.jobs)
            out << job[0].texts[1].text.trimmed().section("   ", 0, 0);
        return out;
    }
};
} // namespace

class TestTodossi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Window w;
        todossi& f = *w.f;
        QCOMPARE(f.windowTitle(), QString("Taudrin'Càlcul->IMPR"));
        QCOMPARE(f.client->size(), QSize(534, 394));
        const QList<QAction*> menus = f.menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(menus[0]->text(), "IMPRIMIR");
        QCOMPARE(menus[1]->text(), "CONFIGURAR IMPRESSORA");
        QCOMPARE(menus[2]->text(), "NETEJAR");
        QCOMPARE(f.Grid1->geometry(), QRect(3, 12, 349, 355));
        QCOMPARE(f.List2->geometry(), QRect(357, 12, 153, 244));
        QCOMPARE(f.Text1->text(), "abcdABCD");
        QCOMPARE(f.Label2[0]->text(), "alumne:");
        QCOMPARE(f.Label2[1]->text(), "Escola:");
        QVERIFY(f.Text2->text().isEmpty() && f.Text3->text().isEmpty());
        QCOMPARE(f.Label3, "Label3");
        QCOMPARE(f.Label1, "");
        QCOMPARE(f.client->palette().color(QPalette::Window), QColor(192, 192, 192));
    }

    // Every grid text after load, the empty counts, the columns and the current cell.
    void gridAfterLoad() {
        Window w;
        WorksheetGrid& g = *w.f->Grid1;
        QCOMPARE(g.Rows(), 54);
        QCOMPARE(g.columnCount(), 2);
        QCOMPARE(g.columnWidth(0), 47);
        QCOMPARE(g.columnWidth(1), 287);
        QCOMPARE(g.cellText(0, 0), "Nº còpies");
        QCOMPARE(g.cellText(0, 1), "Clau");
        QCOMPARE(g.cellText(1, 0), "");
        QCOMPARE(g.cellText(1, 1), "Estructuras");
        QCOMPARE(g.cellText(2, 0), QString(30, '*'));
        QCOMPARE(g.cellText(2, 1), QString(50, '*'));
        QCOMPARE(g.cellText(3, 1), "Sumas lineales dos números");
        QCOMPARE(g.cellText(17, 1), "Sumas-restas  a + b - c =");
        QCOMPARE(g.cellText(23, 1), "a x b =     a+a+a+a =");
        QCOMPARE(g.cellText(32, 1), "Muliplicar  Columna aaaa x 999");
        QCOMPARE(g.cellText(53, 1), "Estructuras (aa - b) + c");
        for (const ExerciseKind& kind : exerciseKindTable()) {
            QCOMPARE(g.cellText(kind.row, 1), kind.captionText());
            QCOMPARE(g.cellText(kind.row, 0), "");
        }
        QCOMPARE(w.cell(), QPoint(53, 1));
        // The header can't be made current.
        g.setRow(0);
        QCOMPARE(g.Row(), 1);
    }

    // The table's rows run 3 to 53 in order; every kind the sheets can already make takes its
    // row's size code, and every kind they make has a row.
    void kindTable() {
        int row = 3;
        QSet<QString> names;
        for (const ExerciseKind& kind : exerciseKindTable()) {
            QCOMPARE(kind.row, row++);
            QVERIFY(!kind.captionText().startsWith(' ') && !kind.captionText().endsWith(' '));
            QCOMPARE(kind.sizeCode == 0, kind.row <= 4);
            names.insert(kind.generator);
            if (const SheetGenerator* g = findSheetGenerator(kind.generator))
                QVERIFY2(g->takes(kind.sizeCode), kind.generator);
        }
        QCOMPARE(names.size(), 42);
        for (const SheetGenerator* g : sheetGenerators())
            QVERIFY2(names.contains(g->name), g->name);
    }

    // The last exact "Arial" is chosen, else the second font; with fewer, the only one or none.
    void fonts_data() {
        QTest::addColumn<QStringList>("fonts");
        QTest::addColumn<int>("chosen");
        QTest::newRow("Arial first") << QStringList{"Arial", "Courier New", "Times New Roman"} << 0;
        QTest::newRow("no exact Arial") << QStringList{"arial", "Arial Black", "Courier New"} << 1;
        QTest::newRow("two Arials") << QStringList{"Arial", "B", "C", "Arial", "D"} << 3;
        QTest::newRow("one font") << QStringList{"DejaVu Sans"} << 0;
        QTest::newRow("no fonts") << QStringList{} << -1;
    }
    void fonts() {
        QFETCH(QStringList, fonts);
        QFETCH(int, chosen);
        Window w(fonts);
        QCOMPARE(w.f->List2->count(), fonts.size());
        QCOMPARE(w.f->List2->currentRow(), chosen);
        if (chosen >= 0) {
            QCOMPARE(w.f->Text1->font().family(), fonts[chosen]);
            QCOMPARE(w.f->Text1->font().pointSizeF(), 15.75);
            QCOMPARE(w.f->Grid1->font().family(), fonts[chosen]);
        }
    }

    // The chosen font and the school name reach every sheet.
    void fontAndSchoolOnSheets() {
        Window w;
        w.f->List2->setCurrentRow(1);
        QCOMPARE(w.f->Text1->font().family(), "Courier New");
        w.f->Text3->setText("Escola Sant Jordi");
        w.count(3, "1");
        w.run();
        QCOMPARE(w.t.printing.jobs.size(), 1);
        const PrintedPage& page = w.t.printing.jobs[0][0];
        QCOMPARE(page.texts[0].text, "Escola Sant Jordi");
        for (const PrintedText& text : page.texts)
            QCOMPARE(text.fontName, "Courier New");
    }

    // Rows in table order, their counts by numeric value, the size code written before a row's
    // sheets and kept after the run.
    void run() {
        Window w;
        w.count(33, "1");
        w.count(19, "2");
        w.count(4, "1.9");
        w.count(3, "abc");
        w.count(22, "-3");
        w.count(24, "0.5");
        w.run();
        QCOMPARE(w.t.dialogs.okCancelTexts, QStringList{"Imprimir"});
        QCOMPARE(w.t.dialogs.okCancelTitles, QStringList{"Operacions"});
        QCOMPARE(w.t.printing.jobs.size(), 4);
        const QStringList firsts = w.firstExercises();
        QVERIFY2(firsts[0].contains(" +  "), qPrintable(firsts[0])); // A10
        QVERIFY(firsts[1].contains(" x ") && firsts[2].contains(" x "));
        QVERIFY(firsts[3].contains(" : "));
        // Two runs make different sheets.
        QVERIFY(w.t.printing.jobs[1] != w.t.printing.jobs[2]);
        QCOMPARE(w.f->Label3, "3");
        QCOMPARE(w.cell(), QPoint(53, 0));
        QVERIFY(w.t.dialogs.messages.isEmpty());
        QCOMPARE(w.t.launcher.requests, QStringList());

        // A later run of a row with no size code leaves the code as it was.
        w.count(19, "");
        w.count(33, "");
        w.count(4, "");
        w.count(24, "");
        w.count(3, "1");
        w.run();
        QCOMPARE(w.t.printing.jobs.size(), 5);
        QCOMPARE(w.f->Label3, "3");

        // A count between 0 and 1 prints nothing but still writes its row's size code.
        w.count(3, "");
        w.count(24, "0.5");
        w.run();
        QCOMPARE(w.t.printing.jobs.size(), 5);
        QCOMPARE(w.f->Label3, "4");
    }

    // Cancel: nothing read, written or printed.
    void cancel() {
        Window w;
        w.count(3, "2");
        w.f->Grid1->setRow(10);
        w.run(false);
        QVERIFY(w.t.printing.jobs.isEmpty());
        QCOMPARE(w.t.printing.attempts, 0);
        QCOMPARE(w.f->Label3, "Label3");
        QCOMPARE(w.cell(), QPoint(10, 0));
    }

    // A failing job ends the run with one "Error"; the jobs before it stay printed.
    void failingJob() {
        Window w;
        w.count(3, "3");
        w.count(19, "2");
        w.t.printing.failAtJob = 2;
        w.run();
        QCOMPARE(w.t.printing.jobs.size(), 1);
        QCOMPARE(w.t.printing.attempts, 2);
        QCOMPARE(w.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(w.cell(), QPoint(3, 0));
    }

    // A count past 9999 stops the run with "Error" before any sheet is printed, not halfway.
    void hugeCount_data() {
        QTest::addColumn<QString>("count");
        QTest::newRow("10000") << "10000";
        QTest::newRow("exponent") << "1E20";
        QTest::newRow("past 2^53") << "99999999999999999999";
    }
    void hugeCount() {
        QFETCH(QString, count);
        Window w;
        w.count(3, "1");
        w.count(19, count);
        w.count(33, "1");
        const QPoint cell = w.cell();
        w.run();
        QCOMPARE(w.t.printing.jobs.size(), 0);
        QCOMPARE(w.t.printing.attempts, 0);
        QCOMPARE(w.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(w.f->Label3, "Label3");
        QCOMPARE(w.cell(), cell);
    }

    // One sheet of every row: 51 jobs in row order, none an error; the two division rows print
    // their divisors by their own size codes.
    void everyRow() {
        Window w;
        w.f->Text3->setText("Escola");
        for (int row = 3; row <= 53; ++row)
            w.count(row, "1");
        w.run();
        QVERIFY(w.t.dialogs.messages.isEmpty());
        QCOMPARE(w.t.printing.jobs.size(), 51);
        for (int row : {36, 37}) {
            const PrintedPage& page = w.t.printing.jobs[row - 3][0];
            QCOMPARE(page.texts.size(), 1 + 18 + 1 + 1);
            for (int cell = 0; cell < 9; ++cell)
                QCOMPARE(page.texts[1 + 2 * cell].text.size(), 2 * (row - 35)); // the divisor's digits
        }
    }

    // Closing the window during a run waits for the run's end.
    void closeDuringRun() {
        Window w;
        w.count(3, "2");
        QCoreApplication::postEvent(w.f, new QCloseEvent);
        w.run();
        QCOMPARE(w.t.printing.jobs.size(), 2);
        QVERIFY(w.t.forms().isLoaded("todossi"));
        QCOMPARE(w.t.state().ActivityCode(), 101);
        w.f->close();
        QVERIFY(!w.t.forms().isLoaded("todossi"));
        QCOMPARE(w.t.state().ActivityCode(), 0);
    }

    // No printer: the run's sheets in one new PDF under "fulls", the user told where, the file
    // opened; a run that prints nothing writes nothing.
    void noPrinter() {
        Window w;
        w.t.printing.present = false;
        w.f->Text3->setText("Escola");
        const QDir fulls(QDir(w.t.programFolder()).filePath("fulls"));
        w.run();
        QVERIFY(!fulls.exists());
        QVERIFY(w.t.dialogs.messages.isEmpty());

        w.count(3, "2");
        w.count(23, "1");
        w.run();
        w.run();
        const QStringList files = fulls.entryList({"*.pdf"}, QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 2);
        QVERIFY(w.t.printing.jobs.isEmpty());
        QCOMPARE(w.t.dialogs.messages.size(), 2);
        QCOMPARE(w.t.dialogs.messageTitles[0], "Operacions");
        for (int i = 0; i < 2; ++i) {
            const QString path = fulls.filePath(files[i]);
            QVERIFY(
                w.t.dialogs.messages.contains("No hi ha cap impressora. Els fulls s'han desat a:\n" + path));
            QVERIFY(w.t.launcher.requests.contains("url: " + QUrl::fromLocalFile(path).toString()));
            if (pdfToolsInstalled()) {
                QCOMPARE(pdfPageCount(path), 3);
                const QList<PdfWord> words = pdfWords(path);
                int titles = 0;
                for (const PdfWord& word : words)
                    titles += word.text == "Escola";
                QCOMPARE(titles, 3);
            }
        }
    }

    // A printer that refuses a sheet: that sheet and every later one of the run go, in order, into
    // one new PDF under "fulls"; the user is told the printer refused them and where they are.
    void refusedSheets_data() {
        QTest::addColumn<int>("refuseFrom");
        QTest::addColumn<QStringList>("printed"); // the sign of each sheet the printer took
        QTest::addColumn<QStringList>("saved");   // the sign of each page of the PDF
        QTest::newRow("from the first") << 1 << QStringList{} << QStringList{"+", "x", ":"};
        QTest::newRow("from the second") << 2 << QStringList{"+"} << QStringList{"x", ":"};
        QTest::newRow("the last") << 3 << QStringList{"+", "x"} << QStringList{":"};
    }
    void refusedSheets() {
        QFETCH(int, refuseFrom);
        QFETCH(QStringList, printed);
        QFETCH(QStringList, saved);
        Window w;
        w.t.printing.refuseFromJob = refuseFrom;
        w.count(3, "1");  // additions
        w.count(19, "1"); // multiplications
        w.count(33, "1"); // divisions
        w.run();
        // The printer is not asked again after it refused.
        QCOMPARE(w.t.printing.attempts, refuseFrom);
        QCOMPARE(w.t.printing.jobs.size(), printed.size());
        const QStringList firsts = w.firstExercises();
        for (int i = 0; i < printed.size(); ++i)
            QVERIFY2(firsts[i].contains(" " + printed[i] + " "), qPrintable(firsts[i]));

        const QDir fulls(QDir(w.t.programFolder()).filePath("fulls"));
        const QStringList files = fulls.entryList({"*.pdf"}, QDir::Files);
        QCOMPARE(files.size(), 1);
        const QString path = fulls.filePath(files[0]);
        QCOMPARE(w.t.dialogs.messages,
                 QStringList{"La impressora ha rebutjat els fulls. S'han desat a:\n" + path});
        QCOMPARE(w.t.dialogs.messageTitles, QStringList{"Operacions"});
        QCOMPARE(w.t.launcher.requests, QStringList{"url: " + QUrl::fromLocalFile(path).toString()});
        if (!pdfToolsInstalled()) return;
        QCOMPARE(pdfPageCount(path), saved.size());
        QList<QSet<QString>> pages(saved.size());
        for (const PdfWord& word : pdfWords(path))
            pages[word.page - 1].insert(word.text);
        const QStringList signs{"+", "x", ":"};
        for (int page = 0; page < saved.size(); ++page)
            for (const QString& sign : signs)
                QVERIFY2(pages[page].contains(sign) == (sign == saved[page]),
                         qPrintable(QString("page %1, sign %2").arg(page + 1).arg(sign)));
    }

    // In CI, a run on the real queue while it refuses jobs: every sheet in the PDF.
    void refusingQueue() {
        const QString queue = cupsPdfQueue();
        if (const QString skipped = queueStateTestSkipped(queue); !skipped.isEmpty())
            QSKIP(qPrintable(skipped));
        const QueueInState refusing(queue, "cupsreject", "cupsaccept");
        QVERIFY(refusing.done());
        TestServices t; // its fakes and folders, with the real printer in place of the fake one
        QtPrinting printing(queue);
        SharedState state;
        std::unique_ptr<Services> services;
        Forms forms; // last: its windows go first
        services = std::make_unique<Services>(t.dialogs, t.launcher, t.office, t.speech, t.spelling,
                                              t.displayModes, printing, t.random, forms, state,
                                              t.programFolder(), t.scratchFolder());
        forms.setServices(services.get());
        todossi& f = forms.show<todossi>();
        for (int row : {3, 19, 33}) {
            f.Grid1->setRow(row);
            f.Grid1->setCol(0);
            f.Grid1->setText("1");
        }
        t.dialogs.answerOkCancel(true);
        f.IMOSS->trigger();

        const QDir fulls(QDir(t.programFolder()).filePath("fulls"));
        const QStringList files = fulls.entryList({"*.pdf"}, QDir::Files);
        QCOMPARE(files.size(), 1);
        const QString path = fulls.filePath(files[0]);
        QCOMPARE(t.dialogs.messages,
                 QStringList{"La impressora ha rebutjat els fulls. S'han desat a:\n" + path});
        if (pdfToolsInstalled()) QCOMPARE(pdfPageCount(path), 3);
    }

    // No printer and a disk that refuses the PDF: "Error", no message that the sheets are there,
    // no file of the run, and the PDFs of earlier runs as they were.
    void noPrinterOnAFullDisk_data() { addRefusingPlaceRows(); }
    void noPrinterOnAFullDisk() {
        QFETCH(int, kind);
        RefusingPlace place{RefusingPlace::Kind(kind)};
        if (!place.ready()) QSKIP(qPrintable(place.reason()));
        Window w;
        w.t.services().programFolder = place.folder();
        w.t.printing.present = false;
        w.count(3, "2");
        w.run();
        QCOMPARE(w.t.dialogs.messages.size(), 1);
        const QMap<QString, QByteArray> before = folderContents(place.folder());
        QCOMPARE(before.size(), 2); // "fulls" and the first run's file

        place.refuse();
        const QMap<QString, QByteArray> full = folderContents(place.folder());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write"));
        w.run();
        place.allow();
        QCOMPARE(w.t.dialogs.messages.size(), 2);
        QCOMPARE(w.t.dialogs.messages.last(), "Error");
        QCOMPARE(folderContents(place.folder()), full);
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(full.value(it.key()), it.value());
    }

    // Keys typed on the grid: main-row digits build a count, the keypad's change nothing, the
    // grid moves on the keys the user pressed but never onto the header, and a key the handler
    // changed moves nothing.
    void typing() {
        Window w;
        WorksheetGrid* g = w.f->Grid1;
        g->setFocus();
        g->setRow(19);
        g->setCol(0);
        QTest::keyClick(g, Qt::Key_4);
        QTest::keyClick(g, Qt::Key_2);
        QCOMPARE(g->cellText(19, 0), "42");
        QTest::keyClick(g, Qt::Key_4, Qt::KeypadModifier);
        QCOMPARE(g->cellText(19, 0), "42");
        QTest::keyClick(g, Qt::Key_A);
        QCOMPARE(g->cellText(19, 0), "42");
        QTest::keyClick(g, Qt::Key_Down);
        QCOMPARE(w.cell(), QPoint(20, 0));
        QTest::keyClick(g, Qt::Key_Shift);
        QCOMPARE(w.f->Label1, "2");
        QTest::keyClick(g, Qt::Key_8); // a shifted 8 is "(", handed back as the code of Down
        QCOMPARE(w.cell(), QPoint(20, 0));
        QCOMPARE(g->cellText(20, 0), "0"); // "(" on an empty cell
        QTest::keyClick(g, Qt::Key_CapsLock);
        QTest::keyClick(g, Qt::Key_7);
        QCOMPARE(g->cellText(20, 0), "7");
        QTest::keyClick(g, Qt::Key_Delete);
        QCOMPARE(g->cellText(20, 0), "");
        QTest::keyClick(g, Qt::Key_Tab);
        QCOMPARE(w.cell(), QPoint(20, 1));
        QTest::keyClick(g, Qt::Key_5);
        QCOMPARE(g->cellText(20, 1), "Multiplicar a x b =   (tabla hasta 7)");
        g->setRow(1);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(g, Qt::Key_Up);
        QCOMPARE(w.cell(), QPoint(1, 1));
        QTest::keyClick(g, Qt::Key_PageDown);
        QVERIFY(w.f->Grid1->Row() > 1);

        // The counts typed are the counts printed.
        w.run();
        QCOMPARE(w.t.printing.jobs.size(), 42);
    }

    // End and Home scroll ten rows, within the grid; typing works wherever the grid was scrolled to
    // otherwise (an arrow key past the last row shown scrolls it by one row).
    void scrolling() {
        Window w;
        WorksheetGrid* g = w.f->Grid1;
        g->setFocus();
        g->setRow(30);
        g->setCol(0);
        g->setTopRow(1);
        QVERIFY(g->lastTopRow() > 11);
        QTest::keyClick(g, Qt::Key_End);
        QCOMPARE(g->TopRow(), 11);
        QTest::keyClick(g, Qt::Key_Home);
        QCOMPARE(g->TopRow(), 1);
        QTest::keyClick(g, Qt::Key_Home);
        QCOMPARE(g->TopRow(), 1);
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(g, Qt::Key_End);
        QCOMPARE(g->TopRow(), g->lastTopRow());
        QTest::keyClick(g, Qt::Key_Home);
        QVERIFY(g->TopRow() < g->lastTopRow());
        QCOMPARE(w.cell(), QPoint(30, 0));
        while (g->TopRow() > 1)
            QTest::keyClick(g, Qt::Key_Home);

        // Down from the last row shown: the grid scrolls by one row, and a count is typed there.
        g->setRow(3);
        g->setTopRow(1);
        while (g->TopRow() == 1)
            QTest::keyClick(g, Qt::Key_Down);
        QCOMPARE(g->TopRow(), 2);
        const int row = g->Row();
        QTest::keyClick(g, Qt::Key_5);
        QCOMPARE(g->cellText(row, 0), "5");
        g->setTopRow(2);
        QTest::keyClick(g, Qt::Key_7);
        QCOMPARE(g->cellText(row, 0), "57");
    }

    // "NETEJAR": every count 0, the current cell in a row that takes no typing, the main window
    // shown, the rest kept.
    void clear() {
        Window w;
        w.count(3, "4");
        w.f->Text3->setText("Escola");
        w.f->List2->setCurrentRow(2);
        w.f->SSS->trigger();
        for (const ExerciseKind& kind : exerciseKindTable())
            QCOMPARE(w.f->Grid1->cellText(kind.row, 0), "0");
        QCOMPARE(w.f->Grid1->cellText(2, 0), QString(30, '*'));
        QCOMPARE(w.cell(), QPoint(1, 0));
        QVERIFY(w.t.forms().isLoaded("form1"));
        QVERIFY(w.t.forms().get("form1")->isVisible());
        QVERIFY(w.t.forms().isLoaded("todossi"));
        QCOMPARE(w.f->Text3->text(), "Escola");
        QCOMPARE(w.f->List2->currentRow(), 2);
        w.f->SSSS->trigger();
        QCOMPARE(w.cell(), QPoint(1, 0));
        // Counts of 0 print nothing.
        w.run();
        QVERIFY(w.t.printing.jobs.isEmpty());
    }
};

QTEST_MAIN(TestTodossi)
#include "tst_todossi.moc"
