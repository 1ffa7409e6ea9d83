#pragma once
#include "platform/printing.h"

#include <QList>
#include <QStringList>
#include <QTest>
#include <QTextDocument>

// A printer from a script: its fonts, whether it is there, and a fixed line height of 24 twips a
// point (1.2 times the size). Every job that gets through is kept; a job can be made to fail, and
// the queue can refuse jobs from one on.
class FakePrinting : public Printing {
public:
    static constexpr double TwipsPerPointOfLine = 24;

    QStringList fontNames() override { return fonts; }
    bool hasPrinter() override { return present; }
    double lineHeight(const QString&, double points) override { return points * TwipsPerPointOfLine; }
    bool print(const QList<PrintedPage>& pages) override { return printJob(pages) == PrintStatus::Printed; }
    PrintStatus printJob(const QList<PrintedPage>& pages) override {
        const PrintStatus status = accept();
        if (status == PrintStatus::Printed) jobs.append(pages);
        return status;
    }
    bool printDocument(const QTextDocument& document) override {
        if (accept() != PrintStatus::Printed) return false;
        documents.append(document.toPlainText());
        return true;
    }

    QStringList fonts{QStringLiteral("Arial"), QStringLiteral("Courier New"),
                      QStringLiteral("Times New Roman")};
    bool present = true;
    int failAtJob = 0;     // the job, counted from 1 over both kinds, that fails; 0 for none
    int refuseFromJob = 0; // the first job, counted so too, that the queue refuses, and all after it
    int attempts = 0;      // jobs asked for, failed ones too
    QList<QList<PrintedPage>> jobs;
    QStringList documents; // the plain text of every document printed

private:
    PrintStatus accept() {
        ++attempts;
        if (!present || attempts == failAtJob) return PrintStatus::Failed;
        if (refuseFromJob > 0 && attempts >= refuseFromJob) return PrintStatus::Refused;
        return PrintStatus::Printed;
    }
};

// Readable failure messages for the printed data.
inline char* toString(const PrintedText& t) {
    return QTest::toString(QStringLiteral("(%1, %2) %3 %4pt \"%5\"")
                               .arg(t.left)
                               .arg(t.top)
                               .arg(t.fontName)
                               .arg(t.points)
                               .arg(t.text));
}
inline char* toString(const PrintedLine& l) {
    return QTest::toString(
        QStringLiteral("(%1, %2)-(%3, %4)").arg(l.from.x()).arg(l.from.y()).arg(l.to.x()).arg(l.to.y()));
}
inline char* toString(const PrintedPage& p) {
    return QTest::toString(
        QStringLiteral("page of %1 texts, %2 lines").arg(p.texts.size()).arg(p.lines.size()));
}
