// The practice sheet's rules without widgets: which caption goes to which line, the guide styles
// and the ruled page.
#include "comicstrip/practicesheet.h"

#include <QTest>

using namespace comicstrip;

namespace {
std::array<QString, Panels> captions() {
    std::array<QString, Panels> out;
    for (int i = 0; i < Panels; ++i)
        out[i] = QStringLiteral("panell %1").arg(i);
    return out;
}
} // namespace

class TestPracticeSheet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cellsReadPanelsInTheSheetsOrder() {
        QList<int> order;
        for (const SheetCell& cell : SheetCells)
            order << cell.panel;
        QCOMPARE(order, (QList<int>{0, 1, 2, 3, 4, 6, 5, 7}));
        // The third row's right cell and the fourth row's left cell.
        QCOMPARE(SheetCells[5].frameLeft, 6300);
        QCOMPARE(SheetCells[5].frameTop, 4905);
        QCOMPARE(SheetCells[6].guideTop, 8400);
    }

    void linesFollowTheirFrames_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("guides");
        QTest::newRow("model") << int(SheetStyle::Model) << false;
        QTest::newRow("fine guide") << int(SheetStyle::FineGuide) << true;
        QTest::newRow("bold guide") << int(SheetStyle::BoldGuide) << true;
        QTest::newRow("tone 3") << int(SheetStyle::Tone3) << true;
    }
    void linesFollowTheirFrames() {
        QFETCH(int, style);
        QFETCH(bool, guides);
        const std::array<QString, SheetLines> lines = sheetLines(SheetStyle(style), captions());
        const int panels[] = {0, 1, 2, 3, 4, 6, 5, 7};
        for (int cell = 0; cell < SheetFrames; ++cell) {
            const QString caption = QStringLiteral("panell %1").arg(panels[cell]);
            QCOMPARE(lines[2 * cell], caption);
            QCOMPARE(lines[2 * cell + 1], guides ? caption : QString());
        }
        for (const QString& line : lines)
            QVERIFY(line != "panell 8");
    }

    void guideLooks_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("setsLook");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("AMB MOSTRE") << int(SheetStyle::Model) << false << false << QColor();
        QTest::newRow("GUIA FINA") << int(SheetStyle::FineGuide) << true << false << QColor(222, 222, 222);
        QTest::newRow("GUIA GRUESA") << int(SheetStyle::BoldGuide) << true << true << QColor(222, 222, 222);
        QTest::newRow("INTENSITAT 1") << int(SheetStyle::Tone1) << true << true << QColor(222, 222, 222);
        QTest::newRow("INTENSITAT 2") << int(SheetStyle::Tone2) << true << true << QColor(175, 175, 175);
        QTest::newRow("INTENSITAT 3") << int(SheetStyle::Tone3) << true << true << QColor(140, 140, 140);
    }
    void guideLooks() {
        QFETCH(int, style);
        QFETCH(bool, setsLook);
        QFETCH(bool, bold);
        QFETCH(QColor, colour);
        const GuideLook look = guideLook(SheetStyle(style));
        QCOMPARE(look.bold.has_value(), setsLook);
        QCOMPARE(look.colour.has_value(), setsLook);
        if (!setsLook) return;
        QCOMPARE(*look.bold, bold);
        QCOMPARE(*look.colour, colour);
    }

    void ruledPage() {
        const QImage page = drawRuledPage();
        QCOMPARE(page.size(), QSize(848, 669));
        const std::array<QRect, SheetFrames> boxes = writingBoxes();
        QCOMPARE(boxes[0], QRect(163, 98, 247, 66));
        QCOMPARE(boxes[1], QRect(566, 98, 247, 66));
        QCOMPARE(boxes[4].left(), 162); // the third row lies 15 twips further left
        QCOMPARE(boxes[6].left(), 161); // the fourth 30
        QCOMPARE(boxes[7].top(), 564);
        for (const QRect& box : boxes) {
            QCOMPARE(page.pixelColor(box.left(), box.center().y()), QColor(126, 126, 126));
            QCOMPARE(page.pixelColor(box.right(), box.top()), QColor(126, 126, 126));
            QCOMPARE(page.pixelColor(box.center().x(), box.top() + 25), QColor(128, 204, 192));
            QCOMPARE(page.pixelColor(box.center().x(), box.top() + 43), QColor(128, 204, 192));
            QCOMPARE(page.pixelColor(box.center().x(), box.top() + 10), QColor(Qt::white));
            // The shadow along the top and the right side.
            for (int d = 1; d <= 3; ++d) {
                QVERIFY(page.pixelColor(box.center().x(), box.top() - d) != QColor(Qt::white));
                QVERIFY(page.pixelColor(box.right() + d, box.center().y()) != QColor(Qt::white));
            }
            QCOMPARE(page.pixelColor(box.center().x(), box.bottom() + 2), QColor(Qt::white));
        }
        QCOMPARE(page.pixelColor(10, 10), QColor(Qt::white));
    }

    void closeBox() {
        const QImage box = drawCloseBox();
        QCOMPARE(box.size(), QSize(52, 49));
        QVERIFY(box.pixelColor(26, 24) != QColor(Qt::white)); // where the diagonals cross
        QCOMPARE(box.pixelColor(26, 10), QColor(Qt::white));
    }
};

QTEST_GUILESS_MAIN(TestPracticeSheet)
#include "tst_practicesheet.moc"
