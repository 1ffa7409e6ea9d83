// The real printer on a machine with no printing system to reach: it says there is no printer,
// and a job fails without harm.
#include "platform/cupsjobs.h"
#include "platform/qtprinting.h"

#include <QTest>
#include <QTextDocument>

class TestQtPrintingNoServer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noPrinter() {
        QtPrinting printing;
        QVERIFY(!printing.hasPrinter());
        PrintedPage page;
        page.texts.append(PrintedText{0, 0, "Arial", 12, "x"});
        QVERIFY(!printing.print({page}));
        QTextDocument document(QStringLiteral("x"));
        QVERIFY(!printing.printDocument(document));
        QVERIFY(printing.print({}));
    }

    // A job handed to a queue that can't be reached was not taken.
    void unreachableQueue() {
        QCOMPARE(int(submitPdfToCups(QStringLiteral("TaudrinPDF"), QByteArrayLiteral("%PDF-1.4\n"),
                                     QStringLiteral("Taudrin"))),
                 int(PrintStatus::Refused));
    }
};

QTEST_MAIN(TestQtPrintingNoServer)
#include "tst_qtprinting_noserver.moc"
