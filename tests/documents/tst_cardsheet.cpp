// The business-card sheets' rules: which panel and labels each card has, where they lie, the
// tints of the colour items, the sizes pictures are painted at, and a picture cut at its box.
#include "documents/cardsheet.h"

#include <QTest>

using namespace cardsheet;
Q_DECLARE_METATYPE(cardsheet::Sheet)

class TestCardSheet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void indices_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("panel");
        QTest::addColumn<int>("labels");
        // The two sheets swap the panels of their first cards.
        QTest::newRow("frame, first") << Sheet::Frame << 0 << 12 << 0;
        QTest::newRow("background, first") << Sheet::Background << 0 << 0 << 12;
        QTest::newRow("frame, sixth") << Sheet::Frame << 5 << 5 << 5;
        QTest::newRow("background, sixth") << Sheet::Background << 5 << 17 << 17;
        QTest::newRow("frame, last") << Sheet::Frame << 11 << 11 << 11;
        QTest::newRow("background, last") << Sheet::Background << 11 << 23 << 23;
    }
    void indices() {
        QFETCH(Sheet, sheet);
        QFETCH(int, card);
        QFETCH(int, panel);
        QFETCH(int, labels);
        QCOMPARE(cardPanelIndex(sheet, card), panel);
        QCOMPARE(labelIndex(sheet, card), labels);
    }

    // Every panel and every label index is used once over both sheets.
    void everyIndexOnce() {
        QSet<int> panels, labels;
        for (Sheet sheet : {Sheet::Frame, Sheet::Background})
            for (int n = 0; n < CardCount; ++n) {
                panels.insert(cardPanelIndex(sheet, n));
                labels.insert(labelIndex(sheet, n));
            }
        QCOMPARE(panels.size(), LabelCount);
        QCOMPARE(labels.size(), LabelCount);
        QCOMPARE(*std::max_element(panels.begin(), panels.end()), LabelCount - 1);
    }

    void places_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<int>("card");
        QTest::addColumn<QRect>("place");
        QTest::newRow("background, first") << Sheet::Background << 0 << QRect(105, 210, 3795, 2130);
        QTest::newRow("background, row 2 col 3") << Sheet::Background << 5 << QRect(7755, 2370, 3795, 2130);
        QTest::newRow("background, last") << Sheet::Background << 11 << QRect(7755, 6690, 3795, 2130);
        QTest::newRow("frame, first") << Sheet::Frame << 0 << QRect(120, 120, 3795, 2130);
        QTest::newRow("frame, row 4 col 2") << Sheet::Frame << 10 << QRect(3960, 6600, 3795, 2130);
    }
    void places() {
        QFETCH(Sheet, sheet);
        QFETCH(int, card);
        QFETCH(QRect, place);
        QCOMPARE(cardPanelTwips(sheet, card), place);
    }

    // The lines lie inside their card (frame sheet) or their picture box (background sheet).
    void linesInside() {
        const QRect card(0, 0, CardWidth, CardHeight);
        const QRect box(0, 0, pictureBoxTwips(Sheet::Background).width(),
                        pictureBoxTwips(Sheet::Background).height());
        for (int f = 0; f < FieldCount; ++f) {
            QVERIFY(card.contains(fieldLabelTwips(Sheet::Frame, Field(f))));
            QVERIFY(box.contains(fieldLabelTwips(Sheet::Background, Field(f))));
            QVERIFY(!sampleText(Field(f)).isEmpty());
        }
        QCOMPARE(fieldLabelTwips(Sheet::Frame, Field::CIUTAT), QRect(120, 1680, 3525, 240));
        QCOMPARE(fieldAlignment(Field::NOM) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(fieldAlignment(Field::EMAIL) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(fieldAlignment(Field::CALLE) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }

    void tints_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("opc1") << 1 << false << QColor();
        QTest::newRow("opc2") << 2 << true << QColor(122, 188, 222);
        QTest::newRow("opc3") << 3 << true << QColor(62, 250, 44);
        QTest::newRow("opc4") << 4 << true << QColor(255, 250, 44);
        QTest::newRow("opc5") << 5 << true << QColor(62, 250, 244);
    }
    void tints() {
        QFETCH(int, item);
        QFETCH(bool, shown);
        QFETCH(QColor, colour);
        const std::optional<QColor> tint = itemTint(item);
        QCOMPARE(tint.has_value(), shown);
        if (shown) QCOMPARE(*tint, colour);
    }

    void paintSizes() {
        QCOMPARE(listPaintSizeTwips(true), QSize(3795, 2130));
        QCOMPARE(listPaintSizeTwips(false), QSize(975, 1095));
        QCOMPARE(clickPaintSizeTwips(true), QSize(1950, 2190));
        QCOMPARE(clickPaintSizeTwips(false), QSize(975, 1095));
    }

    // The box is cleared to its ground, the picture lies at its top-left corner and is cut at the
    // box; transparent parts show the ground.
    void paintedBox_data() {
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("seen");
        QTest::newRow("inside the picture") << QSize(30, 20) << QPoint(29, 19) << qRgb(255, 0, 0);
        QTest::newRow("beyond a small picture") << QSize(30, 20) << QPoint(30, 5) << qRgb(0, 0, 255);
        QTest::newRow("a large picture fills the box")
            << QSize(300, 200) << QPoint(49, 39) << qRgb(255, 0, 0);
    }
    void paintedBox() {
        QFETCH(QSize, pictureSize);
        QFETCH(QPoint, at);
        QFETCH(QRgb, seen);
        QImage picture(pictureSize, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        const QImage box = cardsheet::paintedBox(QSize(50, 40), Qt::blue, picture);
        QCOMPARE(box.size(), QSize(50, 40));
        QCOMPARE(box.pixel(at), seen);
        QImage clear(10, 10, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        QCOMPARE(cardsheet::paintedBox(QSize(5, 5), Qt::white, clear).pixel(2, 2), qRgb(255, 255, 255));
        QCOMPARE(cardsheet::paintedBox(QSize(5, 5), Qt::white, QImage()).pixel(2, 2), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestCardSheet)
#include "tst_cardsheet.moc"
