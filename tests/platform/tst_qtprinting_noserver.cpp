// The real printer on a machine with no printing system to reach: it says there is no printer,
// and a job fails without harm.
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
};

QTEST_MAIN(TestQtPrintingNoServer)
#include "tst_qtprinting_noserver.moc"
