// The clipboard picture capture: framing, names, the folder, and the main window's timer.
#include "core/controls.h"
#include "fulldisk.h"
#include "shell/clipboardcapture.h"
#include "shell/form1.h"
#include "testservices.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {
QImage filled(QSize size, const QColor& colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QStringList captures(const QString& folder) {
    return QDir(folder).entryList({"ficha*"}, QDir::Files, QDir::Name);
}

QClipboard& clipboard() {
    return *QGuiApplication::clipboard();
}

bool pictureOnClipboard() {
    const QMimeData* data = clipboard().mimeData();
    return data && data->hasImage();
}
} // namespace

class TestClipboardCapture : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { clipboard().clear(); }

    void framedAsTheBoxShowsIt_data() {
        QTest::addColumn<QSize>("picture");
        QTest::newRow("larger: cut at the edges") << QSize(1000, 900);
        QTest::newRow("smaller: on the background") << QSize(100, 50);
        QTest::newRow("wider, lower") << QSize(800, 10);
        QTest::newRow("same size") << QSize(706, 523);
    }
    void framedAsTheBoxShowsIt() {
        QFETCH(QSize, picture);
        const QImage out = ClipboardCapture::framed(filled(picture, Qt::red), QSize(706, 523), Qt::white);
        QCOMPARE(out.size(), QSize(706, 523));
        QCOMPARE(out.pixelColor(0, 0), QColor(Qt::red));
        const QPoint lastInside(std::min(picture.width(), 706) - 1, std::min(picture.height(), 523) - 1);
        QCOMPARE(out.pixelColor(lastInside), QColor(Qt::red));
        if (picture.width() < 706) QCOMPARE(out.pixelColor(picture.width(), 0), QColor(Qt::white));
        if (picture.height() < 523) QCOMPARE(out.pixelColor(0, picture.height()), QColor(Qt::white));
    }

    void namesAreDrawnInRange() {
        TestServices t;
        ClipboardCapture capture(t.random, t.programFolder());
        QDir dir(t.programFolder());
        const QRegularExpression shape("^ficha(\\d{1,3})(1[01]\\d|12[0-4])\\.BMP$");
        for (int i = 0; i < 300; ++i) {
            const QString name = capture.drawFreeName(dir);
            const auto match = shape.match(name);
            QVERIFY2(match.hasMatch(), qPrintable(name));
            QVERIFY(match.captured(1).toInt() < 999);
            QVERIFY(match.captured(1) == QString::number(match.captured(1).toInt())); // no leading zeros
        }
        QCOMPARE(ClipboardCapture::fileName(0, 100), QString("ficha0100.BMP"));
        QCOMPARE(ClipboardCapture::fileName(998, 124), QString("ficha998124.BMP"));
    }

    void takenNamesAreNeverReused() {
        TestServices t;
        ClipboardCapture capture(t.random, t.programFolder());
        QDir dir(t.programFolder());
        // Every name taken but one, some in lower case: the draws give up, the one free name is found.
        for (int n = 0; n < 999; ++n)
            for (int m = 100; m < 125; ++m) {
                if (n == 500 && m == 111) continue;
                QString name = ClipboardCapture::fileName(n, m);
                if (n % 2) name = name.toLower();
                QFile f(dir.filePath(name));
                QVERIFY(f.open(QIODevice::WriteOnly));
            }
        QCOMPARE(capture.drawFreeName(dir), ClipboardCapture::fileName(500, 111));
        QFile(dir.filePath(ClipboardCapture::fileName(500, 111))).open(QIODevice::WriteOnly);
        QCOMPARE(capture.drawFreeName(dir), QString());
    }

    void sameDrawTwiceWritesTwoFiles() {
        TestServices t;
        ClipboardCapture capture(t.random, t.programFolder());
        t.random.seed(7);
        const QString first = capture.save(filled(QSize(706, 523), Qt::blue));
        t.random.seed(7); // the same draw again
        const QString second = capture.save(filled(QSize(706, 523), Qt::green));
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        QVERIFY(first != second);
        QCOMPARE(QImage(first).pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(QImage(second).pixelColor(0, 0), QColor(Qt::green));
    }

    void takeFromClipboard() {
        TestServices t;
        ClipboardCapture capture(t.random, t.programFolder());
        QVERIFY(!QDir(capture.folder()).exists());
        clipboard().setImage(filled(QSize(1200, 100), Qt::darkCyan));
        const auto taken = capture.takeFrom(clipboard(), QSize(706, 523), Qt::white);
        QCOMPARE(taken.picture.size(), QSize(1200, 100));
        QCOMPARE(QFileInfo(taken.saved).absolutePath(), QFileInfo(capture.folder()).absoluteFilePath());
        QCOMPARE(QDir(t.programFolder()).filePath("dibuixostemporals"), capture.folder());
        QImageReader reader(taken.saved);
        QCOMPARE(reader.format(), QByteArray("bmp"));
        const QImage saved = reader.read();
        QCOMPARE(saved.size(), QSize(706, 523));
        QCOMPARE(saved.pixelColor(705, 0), QColor(Qt::darkCyan));
        QCOMPARE(saved.pixelColor(0, 100), QColor(Qt::white));
        QVERIFY(!pictureOnClipboard());
    }

    // A clipboard manager that puts an emptied clipboard back hands the same picture in again at
    // every tick: it is kept once, not once every three seconds until the disk is full.
    void aPictureThatComesBackIsKeptOnce() {
        TestServices t;
        ClipboardCapture capture(t.random, t.programFolder());
        const QImage blue = filled(QSize(40, 30), Qt::blue);
        clipboard().setImage(blue);
        QVERIFY(!capture.takeFrom(clipboard(), QSize(706, 523), Qt::white).saved.isEmpty());
        for (int tick = 0; tick < 3; ++tick) {
            clipboard().setImage(blue); // put back
            const auto again = capture.takeFrom(clipboard(), QSize(706, 523), Qt::white);
            QVERIFY(again.saved.isEmpty());
        }
        QCOMPARE(captures(capture.folder()).size(), 1);
        // Another picture is kept, and after it the first one again.
        clipboard().setImage(filled(QSize(40, 30), Qt::green));
        QVERIFY(!capture.takeFrom(clipboard(), QSize(706, 523), Qt::white).saved.isEmpty());
        clipboard().setImage(blue);
        QVERIFY(!capture.takeFrom(clipboard(), QSize(706, 523), Qt::white).saved.isEmpty());
        QCOMPARE(captures(capture.folder()).size(), 3);
        // Copied again once the clipboard held something else: a new copy, kept.
        clipboard().setText("hola");
        QVERIFY(capture.takeFrom(clipboard(), QSize(706, 523), Qt::white).picture.isNull());
        clipboard().setImage(blue);
        QVERIFY(!capture.takeFrom(clipboard(), QSize(706, 523), Qt::white).saved.isEmpty());
        QCOMPARE(captures(capture.folder()).size(), 4);
    }

    void textAndEmptyClipboardLeftAlone() {
        TestServices t;
        ClipboardCapture capture(t.random, t.programFolder());
        clipboard().setText("una paraula");
        QVERIFY(capture.takeFrom(clipboard(), QSize(706, 523), Qt::white).picture.isNull());
        QCOMPARE(clipboard().text(), QString("una paraula"));
        clipboard().clear();
        QVERIFY(capture.takeFrom(clipboard(), QSize(706, 523), Qt::white).picture.isNull());
        QVERIFY(!QDir(capture.folder()).exists());
    }

    void pictureKeptOnClipboardWhenItCannotBeSaved() {
        TestServices t;
        ClipboardCapture capture(t.random, t.programFolder());
        // A file stands where the folder should be: nothing can be written.
        QFile blocker(capture.folder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        clipboard().setImage(filled(QSize(10, 10), Qt::red));
        const auto taken = capture.takeFrom(clipboard(), QSize(706, 523), Qt::white);
        QVERIFY(!taken.picture.isNull());
        QVERIFY(taken.saved.isEmpty());
        QVERIFY(pictureOnClipboard());
        QVERIFY(t.dialogs.messages.isEmpty());
    }

    // A disk that refuses the capture: no file, not even a short one, the earlier captures as
    // they were, and the picture still on the clipboard.
    void aFullDiskKeepsThePictureOnTheClipboard_data() {
        addRefusingPlaceRows();
    }
    void aFullDiskKeepsThePictureOnTheClipboard() {
        QFETCH(int, kind);
        RefusingPlace place{RefusingPlace::Kind(kind), 2048};
        if (!place.ready()) QSKIP(qPrintable(place.reason()));
        TestServices t;
        ClipboardCapture capture(t.random, place.folder());
        clipboard().setImage(filled(QSize(10, 10), Qt::red));
        QVERIFY(!capture.takeFrom(clipboard(), QSize(706, 523), Qt::white).saved.isEmpty());
        place.refuse();
        const QMap<QString, QByteArray> full = folderContents(place.folder());
        QCOMPARE(captures(capture.folder()).size(), 1);
        clipboard().setImage(filled(QSize(10, 10), Qt::blue));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write"));
        const auto taken = capture.takeFrom(clipboard(), QSize(706, 523), Qt::white);
        place.allow();
        QVERIFY(taken.saved.isEmpty());
        QVERIFY(pictureOnClipboard());
        QCOMPARE(folderContents(place.folder()), full);
    }

    // The menu items: check marks and the timer, also when an item is chosen twice.
    void switchItems() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        QVERIFY(!f.clipboardCaptureOn());
        QVERIFY(!f.Timer1->isActive());
        for (int i = 0; i < 2; ++i) {
            f.ACSI->trigger();
            QVERIFY(f.ACSI->isChecked());
            QVERIFY(!f.ACNO->isChecked());
            QVERIFY(f.Timer1->isActive());
            QCOMPARE(f.Timer1->interval(), 3000);
        }
        for (int i = 0; i < 2; ++i) {
            f.ACNO->trigger();
            QVERIFY(!f.ACSI->isChecked());
            QVERIFY(f.ACNO->isChecked());
            QVERIFY(!f.Timer1->isActive());
        }
    }

    // The main window: capture off at start, on and off again, the timer at 3 s.
    void mainWindowCapturesWithinThreeSeconds() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        QVERIFY(!f.clipboardCaptureOn());
        QCOMPARE(f.Picture1->size(), QSize(706, 523));
        QVERIFY(!f.Picture1->isVisible());
        const QString folder = QDir(t.programFolder()).filePath("dibuixostemporals");

        clipboard().setImage(filled(QSize(300, 200), Qt::magenta));
        QSignalSpy ticks(f.Timer1, &QTimer::timeout);
        f.ACSI->trigger();
        QCOMPARE(f.Timer1->interval(), 3000);
        QVERIFY(captures(folder).isEmpty());
        // Saved at the first tick, however late a loaded machine delivers it.
        QTRY_VERIFY_WITH_TIMEOUT(captures(folder).size() == 1, 10000);
        QCOMPARE(ticks.count(), 1);
        const QImage saved(QDir(folder).filePath(captures(folder).first()));
        QCOMPARE(saved.size(), QSize(706, 523));
        QCOMPARE(saved.pixelColor(299, 199), QColor(Qt::magenta));
        QVERIFY(!pictureOnClipboard());
        QCOMPARE(f.Picture1->Picture().size(), QSize(300, 200));

        // The next picture is saved at a later tick, under another name.
        clipboard().setImage(filled(QSize(50, 50), Qt::yellow));
        QTRY_VERIFY_WITH_TIMEOUT(captures(folder).size() == 2, 10000);

        // A text stays on the clipboard.
        clipboard().setText("hola");
        f.Timer1_Timer();
        QCOMPARE(clipboard().text(), QString("hola"));
        QCOMPARE(captures(folder).size(), 2);
    }

    void nothingHappensWhileOff() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        f.ACSI->trigger();
        f.ACNO->trigger();
        QVERIFY(!f.Timer1->isActive());
        clipboard().setImage(filled(QSize(30, 30), Qt::red));
        f.Timer1_Timer();
        QTest::qWait(3300);
        QVERIFY(pictureOnClipboard());
        QVERIFY(!QDir(QDir(t.programFolder()).filePath("dibuixostemporals")).exists());
        QVERIFY(f.Picture1->Picture().isNull());
    }
};

QTEST_MAIN(TestClipboardCapture)
#include "tst_clipboardcapture.moc"
