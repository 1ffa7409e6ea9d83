// Controls that spare work when they paint must look as the plain ones do: the push button that
// shares its palette with the style, the swatch button that stands for a style sheet, the scroll bar that
// keeps its picture at rest, and the picture box that paints its ground only where its picture leaves it
// bare.
#include "core/controls.h"
#include "core/fonts.h"
#include "core/formwindow.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <cstdlib>

Q_DECLARE_METATYPE(SwatchButton::Look)

namespace {
// A window with a coloured panel holding a push button of each kind, alike in all else.
struct Panel {
    QWidget window;
    QWidget* panel = new QWidget(&window);
    QPushButton* plain = nullptr;
    QPushButton* shared = nullptr;

    explicit Panel(const QColor& ground) {
        setGround(panel, ground);
        panel->setGeometry(0, 0, 300, 150);
        plain = new QPushButton(QStringLiteral("a"), panel);
        shared = new PushButton(QStringLiteral("a"), panel);
        for (QPushButton* b : {plain, shared}) {
            b->setFont(designFont("Times New Roman", 60, false));
            b->setFocusPolicy(Qt::NoFocus);
        }
        plain->setGeometry(10, 10, 65, 109);
        shared->setGeometry(100, 10, 65, 109);
        window.resize(300, 150);
        window.show();
    }
};
} // namespace

class TestControls : public QObject {
    Q_OBJECT
private:
    // Pixels apart, save within two pixels of a corner, where shading a rounded edge may differ a
    // little; those differ by at most a few steps.
    static int pixelsApart(const QImage& a, const QImage& b) {
        if (a.size() != b.size()) return -1;
        int apart = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                const bool corner = (x < 2 || x >= a.width() - 2) && (y < 2 || y >= a.height() - 2);
                const int most = corner ? 32 : 0;
                if (std::abs(qRed(p) - qRed(q)) > most || std::abs(qGreen(p) - qGreen(q)) > most ||
                    std::abs(qBlue(p) - qBlue(q)) > most)
                    ++apart;
            }
        }
        return apart;
    }

private Q_SLOTS:
    // Painted again, and beside buttons of other colours, a shared button still shows its own.
    void pushButtonLooksPlain() {
        Panel blue(QColor(0, 0, 200));
        Panel grey(QColor(128, 128, 128));
        Panel blueAgain(QColor(0, 0, 200));
        for (Panel* p : {&blue, &grey, &blueAgain}) {
            QPalette palette = p->panel->palette();
            palette.setColor(QPalette::Button, p->panel->palette().color(QPalette::Window).lighter());
            p->panel->setPalette(palette);
        }
        for (int round = 0; round < 2; ++round) {
            for (Panel* p : {&blue, &grey, &blueAgain}) {
                const QImage plain = p->plain->grab().toImage();
                QCOMPARE(p->shared->grab().toImage(), plain);
            }
        }
        QVERIFY(blue.shared->grab().toImage() != grey.shared->grab().toImage());
    }

    // A swatch button looks as the style sheet it stands for draws a button: two halves inside a
    // square border, the odd pixel going left; one colour inside a rounded border, thicker while
    // held down.
    void swatchLooksAsItsStyleSheet_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<SwatchButton::Look>("look");
        QTest::addColumn<bool>("held");
        QTest::addColumn<QString>("caption"); // the postcard's buttons keep one, never shown
        const QString halves = QStringLiteral(
            "QPushButton { border: 1px solid #404040; background: qlineargradient(x1:0, y1:0, x2:1, "
            "y2:0, stop:0 #ff0000, stop:0.5 #ff0000, stop:0.51 #0000ff, stop:1 #0000ff); }");
        const SwatchButton::Look split{
            .left = Qt::red, .right = Qt::blue, .border = QColor(0x40, 0x40, 0x40)};
        QTest::newRow("halves, odd width") << QSize(13, 13) << halves << split << false << QString();
        QTest::newRow("halves, even width") << QSize(20, 13) << halves << split << false << QString();
        QTest::newRow("halves, held") << QSize(13, 13) << halves << split << true << QString();
        const QString rounded = QStringLiteral(
            "QPushButton { background: #800000; color: transparent; border: 1px solid #505050; "
            "border-radius: 2px; } QPushButton:pressed { border: 2px solid #202020; }");
        const SwatchButton::Look face{.left = QColor(0x80, 0, 0),
                                      .right = QColor(0x80, 0, 0),
                                      .border = QColor(0x50, 0x50, 0x50),
                                      .radius = 2,
                                      .pressedBorder = QColor(0x20, 0x20, 0x20),
                                      .pressedWidth = 2};
        QTest::newRow("rounded") << QSize(16, 13) << rounded << face << false << QStringLiteral("Command1");
        QTest::newRow("rounded, held")
            << QSize(16, 13) << rounded << face << true << QStringLiteral("Command1");
    }
    void swatchLooksAsItsStyleSheet() {
        QFETCH(QSize, size);
        QFETCH(QString, sheet);
        QFETCH(SwatchButton::Look, look);
        QFETCH(bool, held);
        QFETCH(QString, caption);
        QWidget window;
        setGround(&window, QColor(200, 220, 240));
        QPushButton styled(caption, &window);
        styled.setStyleSheet(sheet);
        SwatchButton swatch(caption, &window);
        swatch.setLook(look);
        styled.setGeometry(QRect(QPoint(10, 10), size));
        swatch.setGeometry(QRect(QPoint(40, 10), size));
        window.resize(80, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        styled.setDown(held);
        swatch.setDown(held);
        QCOMPARE(pixelsApart(swatch.grab().toImage(), styled.grab().toImage()), 0);
    }

    // The controls helper makes every push button a PushButton, named and placed as ever.
    void helperMakesPushButtons() {
        QWidget window;
        QPushButton* button = control<QPushButton>(&window, "Command1", 0, 0, 1500, 450);
        QVERIFY(qobject_cast<PushButton*>(button));
        QCOMPARE(button->objectName(), QString("Command1"));
        QCOMPARE(button->size(), twSize(1500, 450));
    }

    // At rest a kept scroll bar looks as a plain one does, wherever its slider stands and however
    // its box is coloured; a moved slider shows moved.
    void scrollBarLooksPlain() {
        QWidget window;
        setGround(&window, QColor(200, 220, 240));
        QScrollBar plain(Qt::Vertical, &window);
        ScrollBar kept(Qt::Vertical, &window);
        for (QScrollBar* bar : {&plain, static_cast<QScrollBar*>(&kept)}) {
            bar->setRange(0, 260);
            bar->setPageStep(20);
        }
        // Away from the pointer, which hovers over what lies at the window's corner.
        plain.setGeometry(30, 40, 16, 400);
        kept.setGeometry(60, 40, 16, 400);
        window.resize(100, 460);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage top = kept.grab().toImage();
        for (int value : {0, 130, 260, 0}) {
            plain.setValue(value);
            kept.setValue(value);
            QCOMPARE(kept.grab().toImage(), plain.grab().toImage());
        }
        kept.setValue(200);
        QVERIFY(kept.grab().toImage() != top);
        QPalette other = window.palette();
        other.setColor(QPalette::Button, Qt::darkGreen);
        window.setPalette(other);
        plain.setValue(200);
        QCOMPARE(kept.grab().toImage(), plain.grab().toImage());
    }

    void pictureBoxGround_data() {
        QTest::addColumn<bool>("alpha");
        QTest::newRow("opaque picture") << false;
        QTest::newRow("picture with alpha") << true;
    }
    // The ground shows around a picture smaller than the box, and through a picture's clear parts.
    void pictureBoxGround() {
        QFETCH(bool, alpha);
        QImage picture(20, 10, alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        picture.fill(alpha ? QColor(0, 0, 0, 0) : QColor(Qt::red));
        if (alpha) picture.setPixelColor(0, 0, Qt::red);
        PictureBox box;
        box.resize(40, 30);
        box.setBackColor(QColor(0, 128, 0));
        box.setPicture(picture);
        const QImage shown = box.grab().toImage();
        QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(30, 5), QColor(0, 128, 0));
        QCOMPARE(shown.pixelColor(5, 20), QColor(0, 128, 0));
        QCOMPARE(shown.pixelColor(39, 29), QColor(0, 128, 0));
        QCOMPARE(shown.pixelColor(10, 5), alpha ? QColor(0, 128, 0) : QColor(Qt::red));
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
