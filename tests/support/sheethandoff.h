#pragma once
// What a document window hands on: its sheet's picture, to the program that was asked for or in an
// office document.
#include "platform/officedocument.h"
#include "testservices.h"
#include "workshop/handoff.h"

#include <QMarginsF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTest>
#include <variant>

// A request "program: picture" for the sheet's picture, or, where request is empty, one office
// document of that orientation and 40-point margins holding one table of a column and two rows,
// the picture of that size in its first cell.
inline void checkSheetHandOff(TestServices& t, const QString& request,
                              OfficeDocument::Orientation orientation, QSize picture) {
    if (!request.isEmpty()) {
        QVERIFY(t.office.documents.isEmpty());
        QCOMPARE(t.launcher.requests, QStringList{request + ": " + handOffPicturePath(t.services())});
        return;
    }
    QVERIFY(t.launcher.requests.isEmpty());
    QCOMPARE(t.office.documents.size(), 1);
    const OfficeDocument& doc = t.office.documents.first();
    QCOMPARE(doc.orientation, orientation);
    QCOMPARE(doc.margins, QMarginsF(40, 40, 40, 40));
    QCOMPARE(doc.blocks.size(), 1);
    const auto& table = std::get<OfficeTable>(doc.blocks.first());
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(table.columnCount(), 1);
    QCOMPARE(table.cell(1, 1).paragraphs.first().runs.first().picture.pixelSize(), picture);
}
