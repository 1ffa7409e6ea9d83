// The tinting shapes: the per-pixel rule of each draw mode, the painter's raster operations that
// draw it, and the overlay over a frame.
#include "core/controls.h"
#include "core/palette.h"
#include "workshop/tint.h"

#include <QPainter>
#include <QTest>

Q_DECLARE_METATYPE(TintMode)

class TestTint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // (mode, palette entry, pixel under the shape) -> the pixel seen.
    void tintPixel_data() {
        QTest::addColumn<TintMode>("mode");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QRgb>("under");
        QTest::addColumn<QRgb>("seen");
        // 14: pen or not destination.
        QTest::newRow("14 green on white")
            << TintMode::MergePenNot << 10 << qRgb(255, 255, 255) << qRgb(0, 255, 0);
        QTest::newRow("14 green on black")
            << TintMode::MergePenNot << 10 << qRgb(0, 0, 0) << qRgb(255, 255, 255);
        QTest::newRow("14 black inverts")
            << TintMode::MergePenNot << 0 << qRgb(10, 100, 200) << qRgb(245, 155, 55);
        QTest::newRow("14 maroon on grey")
            << TintMode::MergePenNot << 4 << qRgb(128, 128, 128) << qRgb(255, 127, 127);
        QTest::newRow("14 navy on olive")
            << TintMode::MergePenNot << 1 << qRgb(128, 128, 0) << qRgb(127, 127, 255);
        // 6: not destination, whatever the colour.
        QTest::newRow("6 grey ignored") << TintMode::Not << 8 << qRgb(10, 100, 200) << qRgb(245, 155, 55);
        QTest::newRow("6 white ignored") << TintMode::Not << 15 << qRgb(0, 0, 0) << qRgb(255, 255, 255);
        // 8: not (pen and destination).
        QTest::newRow("8 red on white")
            << TintMode::NotMaskPen << 12 << qRgb(255, 255, 255) << qRgb(0, 255, 255);
        QTest::newRow("8 red on black") << TintMode::NotMaskPen << 12 << qRgb(0, 0, 0) << qRgb(255, 255, 255);
        // 5: pen and not destination.
        QTest::newRow("5 yellow on black")
            << TintMode::MaskPenNot << 14 << qRgb(0, 0, 0) << qRgb(255, 255, 0);
        QTest::newRow("5 yellow on white")
            << TintMode::MaskPenNot << 14 << qRgb(255, 255, 255) << qRgb(0, 0, 0);
        QTest::newRow("5 yellow on blue")
            << TintMode::MaskPenNot << 14 << qRgb(0, 0, 255) << qRgb(255, 255, 0);
        // 15: pen or destination.
        QTest::newRow("15 green on white")
            << TintMode::MergePen << 10 << qRgb(255, 255, 255) << qRgb(255, 255, 255);
        QTest::newRow("15 green on black") << TintMode::MergePen << 10 << qRgb(0, 0, 0) << qRgb(0, 255, 0);
        QTest::newRow("15 maroon on navy") << TintMode::MergePen << 4 << qRgb(0, 0, 128) << qRgb(128, 0, 128);
        // 12: not pen or destination.
        QTest::newRow("12 blue on black")
            << TintMode::MergeNotPen << 1 << qRgb(0, 0, 0) << qRgb(255, 255, 127);
        QTest::newRow("12 blue on grey")
            << TintMode::MergeNotPen << 1 << qRgb(96, 160, 96) << qRgb(255, 255, 127 | 96);
        QTest::newRow("12 white on navy")
            << TintMode::MergeNotPen << 15 << qRgb(0, 0, 128) << qRgb(0, 0, 128);
    }
    void tintPixel() {
        QFETCH(TintMode, mode);
        QFETCH(int, entry);
        QFETCH(QRgb, under);
        QFETCH(QRgb, seen);
        QCOMPARE(::tintPixel(mode, paletteColour(entry).rgb(), under), seen);
        // The painter's raster operation gives the same pixel inside the shape, and leaves the
        // pixels outside it alone.
        QImage picture(4, 2, QImage::Format_RGB32);
        picture.fill(under);
        QPainterPath left;
        left.addRect(0, 0, 2, 2);
        const QImage tinted = tintImage(picture, left, mode, paletteColour(entry));
        QCOMPARE(tinted.pixel(0, 0), seen);
        QCOMPARE(tinted.pixel(1, 1), seen);
        QCOMPARE(tinted.pixel(3, 0), under | 0xff000000u);
    }

    // Every mode over a strip of every byte value agrees with the per-pixel rule.
    void rasterOpsMatchRule() {
        QImage picture(256, 1, QImage::Format_RGB32);
        for (int x = 0; x < 256; ++x)
            picture.setPixel(x, 0, qRgb(x, 255 - x, (x * 7) & 255));
        QPainterPath all;
        all.addRect(0, 0, 256, 1);
        for (TintMode mode : {TintMode::MaskPenNot, TintMode::Not, TintMode::NotMaskPen,
                              TintMode::MergeNotPen, TintMode::MergePenNot, TintMode::MergePen}) {
            for (int entry = 0; entry < PaletteSize; ++entry) {
                const QImage tinted = tintImage(picture, all, mode, paletteColour(entry));
                for (int x = 0; x < 256; ++x)
                    QCOMPARE(tinted.pixel(x, 0),
                             ::tintPixel(mode, paletteColour(entry).rgb(), picture.pixel(x, 0)));
            }
        }
        QVERIFY(isTintMode(14) && isTintMode(6) && isTintMode(8) && isTintMode(5) && isTintMode(15) &&
                isTintMode(12));
        QVERIFY(!isTintMode(0) && !isTintMode(13) && !isTintMode(16) && !isTintMode(11));
    }

    // Merge pen with any RGB colour: white stays white, black takes the colour, and a pixel
    // between keeps every bit it had, so the picture is tinted and never hidden.
    void mergePenRgb_data() {
        QTest::addColumn<QRgb>("fill");
        QTest::addColumn<QRgb>("under");
        QTest::addColumn<QRgb>("seen");
        const QRgb blue = qRgb(122, 188, 222);
        QTest::newRow("white stays white") << blue << qRgb(255, 255, 255) << qRgb(255, 255, 255);
        QTest::newRow("black takes the fill") << blue << qRgb(0, 0, 0) << blue;
        QTest::newRow("bits of both") << blue << qRgb(1, 2, 4) << qRgb(123, 190, 222);
        QTest::newRow("grey of the design on red")
            << qRgb(0xE0, 0xE0, 0xE0) << qRgb(200, 0, 0) << qRgb(0xE8, 0xE0, 0xE0);
    }
    void mergePenRgb() {
        QFETCH(QRgb, fill);
        QFETCH(QRgb, under);
        QFETCH(QRgb, seen);
        QCOMPARE(::tintPixel(TintMode::MergePen, fill, under), seen);
        QImage picture(2, 1, QImage::Format_RGB32);
        picture.fill(under);
        QPainterPath all;
        all.addRect(0, 0, 2, 1);
        QCOMPARE(tintImage(picture, all, TintMode::MergePen, QColor(fill)).pixel(1, 0), seen);
    }

    // The overlay tints the frame on screen and in a snapshot; hiding only hides it.
    void overlayOverFrame() {
        QWidget window;
        window.resize(200, 200);
        auto* frame = control<PictureBox>(&window, "Picture16", 0, 0, 1500, 1500); // 100 x 100 px
        QImage white(100, 100, QImage::Format_RGB32);
        white.fill(Qt::white);
        frame->setPicture(white);
        auto* shape = control<ColourTintOverlay>(frame, "Shape6", 300, 300, 600, 600); // 20..60 px
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!shape->isVisible());

        shape->showTint(TintMode::MergePenNot, 10);
        QVERIFY(shape->isVisible());
        QCOMPARE(shape->DrawMode(), TintMode::MergePenNot);
        QCOMPARE(shape->FillColor(), paletteColour(10));
        const QImage snap = frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(snap.pixel(40, 40), qRgb(0, 255, 0));
        QCOMPARE(snap.pixel(5, 5), qRgb(255, 255, 255));
        QCOMPARE(window.grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(40, 40),
                 qRgb(0, 255, 0));

        shape->setShape(ColourTintOverlay::Shape::Oval);
        const QImage oval = frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(oval.pixel(40, 40), qRgb(0, 255, 0));
        QCOMPARE(oval.pixel(21, 21), qRgb(255, 255, 255)); // a corner outside the oval

        shape->hideTint();
        QVERIFY(!shape->isVisible());
        QCOMPARE(shape->DrawMode(), TintMode::MergePenNot);
        QCOMPARE(shape->FillColor(), paletteColour(10));
        QCOMPARE(frame->grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(40, 40),
                 qRgb(255, 255, 255));
        QCOMPARE(frame->Picture(), white); // the frame's own picture is never changed

        // An RGB fill in merge-pen mode: the white frame stays white, its black part takes the fill.
        QImage half = white;
        QPainter(&half).fillRect(0, 0, 50, 100, Qt::black);
        frame->setPicture(half);
        shape->setShape(ColourTintOverlay::Shape::Rectangle);
        shape->showTint(TintMode::MergePen, QColor(122, 188, 222, 40)); // the alpha plays no part
        QCOMPARE(shape->FillColor(), QColor(122, 188, 222));
        const QImage merged = frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(merged.pixel(30, 40), qRgb(122, 188, 222));
        QCOMPARE(merged.pixel(55, 40), qRgb(255, 255, 255));
        QCOMPARE(merged.pixel(5, 5), qRgb(0, 0, 0)); // outside the shape
    }

    // Overlays alike in place, mode and colour each tint what lies under them: their frame's own
    // picture, and its ground as it stands now.
    void overlaysOverDifferentFrames() {
        QWidget window;
        window.resize(300, 200);
        QImage white(100, 100, QImage::Format_RGB32);
        white.fill(Qt::white);
        QImage black = white;
        black.fill(Qt::black);
        auto* first = control<PictureBox>(&window, "Picture1", 0, 0, 1500, 1500);
        auto* second = control<PictureBox>(&window, "Picture2", 1500, 0, 1500, 1500);
        auto* bare = control<PictureBox>(&window, "Picture3", 3000, 0, 1500, 1500);
        first->setPicture(white);
        second->setPicture(black);
        bare->setBackColor(Qt::black);
        for (PictureBox* frame : {first, second, bare})
            control<ColourTintOverlay>(frame, "Shape", 300, 300, 600, 600)
                ->showTint(TintMode::MergePen, QColor(122, 188, 222));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto seen = [](QWidget* w) {
            return w->grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(40, 40);
        };
        QCOMPARE(seen(first), qRgb(255, 255, 255));
        QCOMPARE(seen(second), qRgb(122, 188, 222));
        QCOMPARE(seen(first), qRgb(255, 255, 255));
        QCOMPARE(seen(bare), qRgb(122, 188, 222));
        bare->setBackColor(Qt::white);
        QCOMPARE(seen(bare), qRgb(255, 255, 255));
        first->setPicture(black);
        QCOMPARE(seen(first), qRgb(122, 188, 222));
    }
};

QTEST_MAIN(TestTint)
#include "tst_tint.moc"
