// The postcard: its stamps, its picture side, tints, text tools and the three hand-offs.
#include "core/controls.h"
#include "core/fonts.h"
#include "core/palette.h"
#include "core/sharedstate.h"
#include "platform/officedocument.h"
#include "testservices.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"
#include "workshop/postcard.h"
#include "workshop/postcardart.h"
#include "workshop/postcardrules.h"
#include "workshop/tint.h"
#include "workshop/workshopimages.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QRgb rgbAt(const QImage& image, QPoint at) {
    return image.pixel(at) | 0xff000000u;
}

QImage filled(QSize size, const QColor& colour) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

QString textOf(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line->text();
    return qobject_cast<QPlainTextEdit*>(box)->toPlainText();
}

// The card, shown as the main window shows it, with a folder of pictures listed.
struct Card {
    TestServices t;
    Form7* f = nullptr;
    QTemporaryDir pictures;

    Card() {
        f = &t.forms().show<Form7>();
        t.state().setActivityCode(9);
        QVERIFY(filled(QSize(80, 40), Qt::red).save(picture("vermell.bmp")));
        QVERIFY(filled(QSize(30, 90), Qt::blue).save(picture("blau.bmp")));
        writeBroken(picture("trencat.jpg"));
        f->File1->setPath(pictures.path());
    }
    QString picture(const QString& name) const { return pictures.filePath(name); }
    static void writeBroken(const QString& path) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
    }
    void select(const QString& name) {
        const auto items = f->File1->findItems(name, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        f->File1->setCurrentItem(items.first());
    }
    void releaseOnSide(Qt::MouseButton button) {
        QTest::mouseClick(f->Picture23, button, {}, QPoint(100, 100));
    }
    QString handOff() { return handOffPicturePath(t.services()); }
    QRgb side() const { return rgbAt(f->Picture23->Picture(), QPoint(300, 170)); }
    int shownStamp() const {
        int shown = -1;
        for (int i = 0; i < StampCount; ++i)
            if (f->Picture4[size_t(i)]->isVisible()) {
                if (shown >= 0) return -2; // more than one
                shown = i;
            }
        return shown;
    }
    bool closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return t.forms().loaded<Form7>() == nullptr;
    }
};

} // namespace

class TestPostcard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }

    // Rules without a screen.
    void sizeSteps_data() {
        QTest::addColumn<double>("size");
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("expected"); // 0: the box keeps its size
        QTest::newRow("heading up") << 13.5 << 2.0 << 15.5;
        QTest::newRow("message up") << 14.25 << 2.0 << 16.25;
        QTest::newRow("down") << 14.25 << -2.0 << 12.25;
        QTest::newRow("down to the smallest") << 3.0 << -2.0 << 1.0;
        QTest::newRow("below the smallest") << 2.5 << -2.0 << 0.0;
        QTest::newRow("up to the largest") << 398.0 << 2.0 << 400.0;
        QTest::newRow("beyond the largest") << 399.5 << 2.0 << 0.0;
    }
    void sizeSteps() {
        QFETCH(double, size);
        QFETCH(double, step);
        QFETCH(double, expected);
        const std::optional<double> next = steppedPointSize(size, step);
        QCOMPARE(next.has_value(), expected != 0);
        if (next) QCOMPARE(*next, expected);
    }

    void toolPanelPalette_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QColor>("colour");
        const char* const cells[5][4] = {{"#FF0000", "#FFFF00", "#80FFFF", "#0080FF"},
                                         {"#FF8040", "#804000", "#000000", "#808080"},
                                         {"#800000", "#008000", "#00FF00", "#00FFFF"},
                                         {"#FF00FF", "#800080", "#FFFF80", "#808040"},
                                         {"#FF0080", "#004080", "#004040", "#008080"}};
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 4; ++c)
                QTest::addRow("%d,%d", r, c) << r << c << QColor(QString::fromLatin1(cells[r][c]));
    }
    void toolPanelPalette() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QColor, colour);
        const QImage panel = drawToolPanel();
        QCOMPARE(panel.size(), QSize(134, 172));
        const QRect cell = toolPanelPaletteCell(row, column);
        QCOMPARE(cell.topLeft(), QPoint(77 + 13 * column, 56 + 13 * row));
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                QCOMPARE(rgbAt(panel, QPoint(x, y)), colour.rgb());
        // The white gaps right and below.
        QCOMPARE(rgbAt(panel, cell.topRight() + QPoint(1, 0)), qRgb(255, 255, 255));
        QCOMPARE(rgbAt(panel, cell.bottomLeft() + QPoint(0, 1)), qRgb(255, 255, 255));
    }

    // The window shows the pictures the build painted: the same pixels the drawing gives.
    void builtPictures() {
        installFontSubstitutions(); // as the program and the build paint
        QVERIFY(QFile::exists(QStringLiteral(":/workshop/toolpanel.rgb")));
        for (int i = 0; i < StampCount; ++i) {
            const QImage built = stampImage(i);
            QCOMPARE(built.format(), QImage::Format_ARGB32_Premultiplied);
            QVERIFY2(built == drawStamp(i), qPrintable(QStringLiteral("stamp %1").arg(i)));
        }
        QVERIFY(toolPanelImage() == drawToolPanel());
    }

    void opening() {
        Card c;
        QCOMPARE(c.f->windowTitle(), QStringLiteral("Taudrin'TXT FER UNA POSTAL"));
        QVERIFY(c.f->windowState() & Qt::WindowMaximized);
        QVERIFY(c.f->client->width() >= 981 && c.f->client->height() >= 701);
        QCOMPARE(c.f->Label1, 3);
        QCOMPARE(c.shownStamp(), 3);
        for (int i = 0; i < StampCount; ++i) {
            const QRect place = stampPlaceTwips(i);
            PictureBox* stamp = c.f->Picture4[size_t(i)];
            QCOMPARE(stamp->parentWidget(), c.f->Picture24);
            QCOMPARE(stamp->geometry(), twRect(place.x(), place.y(), place.width(), place.height()));
            QCOMPARE(stamp->Picture().size(), stamp->size());
        }
        const QImage plain = c.f->Picture4[3]->Picture();
        QCOMPARE(plain.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(plain.pixelColor(plain.width() - 1, plain.height() - 1), QColor(Qt::white));
        QVERIFY(!c.f->Shape6->isVisible());
        QVERIFY(c.f->Picture23->Picture().isNull());

        QCOMPARE(textOf(c.f->Text15[5]), QStringLiteral("TARJA POSTAL "));
        QCOMPARE(textOf(c.f->Text14), QStringLiteral(">"));
        QCOMPARE(textOf(c.f->Text15[0]), QStringLiteral(">"));
        QCOMPARE(textOf(c.f->Text15[4]), QStringLiteral(">"));
        QCOMPARE(c.f->Text15[5]->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(c.f->Text15[5]->font().pointSizeF(), 13.5);
        QCOMPARE(c.f->Text14->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(c.f->Text14->font().pointSizeF(), 14.25);
        QVERIFY(!c.f->Text14->font().bold());
        QVERIFY(c.f->Text15[0]->font().bold());
        QCOMPARE(c.f->Text15[0]->font().pointSizeF(), 14.25);
        QCOMPARE(c.f->Picture1->Picture().size(), QSize(134, 172));
    }

    void stampCycle() {
        Card c;
        QList<int> seen;
        for (int i = 0; i < StampCount; ++i) {
            PictureBox* shown = c.f->Picture4[size_t(c.f->Label1)];
            QTest::mouseClick(shown, Qt::LeftButton, {}, QPoint(5, 5));
            seen << c.shownStamp();
            QCOMPARE(c.f->Label1, seen.last());
        }
        QCOMPARE(seen, (QList<int>{4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0, 1, 2, 3}));
    }

    // Each release or click starts from a blue picture side saved as the hand-off picture.
    void pictureSide_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("clipboard");
        QTest::addColumn<QRgb>("expectedSide");
        QTest::addColumn<QRgb>("expectedHandOff");
        const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), green = qRgb(0, 255, 0);
        QTest::newRow("left release") << "left"
                                      << "vermell.bmp" << false << red << red;
        QTest::newRow("preview click") << "preview"
                                       << "vermell.bmp" << false << red << red;
        QTest::newRow("right release") << "right"
                                       << "" << true << green << blue;
        QTest::newRow("middle release") << "middle"
                                        << "vermell.bmp" << true << blue << blue;
        QTest::newRow("file that does not load") << "left"
                                                 << "trencat.jpg" << false << blue << blue;
        QTest::newRow("preview of a file that does not load") << "preview"
                                                              << "trencat.jpg" << false << blue << blue;
        QTest::newRow("nothing selected") << "left"
                                          << "" << false << blue << blue;
        QTest::newRow("clipboard without a picture") << "right"
                                                     << "" << false << blue << blue;
    }
    void pictureSide() {
        QFETCH(QString, action);
        QFETCH(QString, file);
        QFETCH(bool, clipboard);
        QFETCH(QRgb, expectedSide);
        QFETCH(QRgb, expectedHandOff);
        Card c;
        c.select("blau.bmp");
        c.releaseOnSide(Qt::LeftButton);
        QCOMPARE(c.side(), qRgb(0, 0, 255));
        c.f->Command1[0]->click(); // a tint stays over whatever is placed
        if (file.isEmpty())
            c.f->File1->setCurrentRow(-1);
        else
            c.select(file);
        if (clipboard)
            QApplication::clipboard()->setImage(filled(QSize(10, 10), Qt::green));
        else
            QApplication::clipboard()->clear();

        if (action == "left") c.releaseOnSide(Qt::LeftButton);
        if (action == "right") c.releaseOnSide(Qt::RightButton);
        if (action == "middle") c.releaseOnSide(Qt::MiddleButton);
        if (action == "preview") QTest::mouseClick(c.f->Image1, Qt::LeftButton);

        QCOMPARE(c.f->Picture23->Picture().size(), c.f->Picture23->size());
        QCOMPARE(c.side(), expectedSide);
        const QImage saved(c.handOff());
        QCOMPARE(saved.size(), c.f->Picture23->size());
        QCOMPARE(rgbAt(saved, QPoint(300, 170)), expectedHandOff);
        QVERIFY(c.f->Shape6->isVisible());
        QApplication::clipboard()->clear();
    }

    void tints_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("colour");
        QTest::newRow("0") << 0 << true << 14 << 4;
        QTest::newRow("1") << 1 << true << 14 << 5;
        QTest::newRow("2") << 2 << true << 14 << 6;
        QTest::newRow("3") << 3 << true << 14 << 7;
        QTest::newRow("4") << 4 << true << 6 << 6;
        QTest::newRow("5") << 5 << true << 6 << 7;
        QTest::newRow("6 hides, keeping its settings") << 6 << false << 6 << 7;
        QTest::newRow("7 changes nothing") << 7 << true << 6 << 7;
    }
    void tints() {
        QFETCH(int, button);
        QFETCH(bool, shown);
        QFETCH(int, mode);
        QFETCH(int, colour);
        Card c;
        c.f->Command1[5]->click();
        QTest::mouseClick(c.f->Command1[size_t(button)], Qt::LeftButton);
        QCOMPARE(c.f->Shape6->isVisible(), shown);
        QCOMPARE(int(c.f->Shape6->DrawMode()), mode);
        QCOMPARE(c.f->Shape6->FillColor(), paletteColour(colour));
        QCOMPARE(c.f->Command1[size_t(button)]->text(), QStringLiteral("Command1"));
    }

    void tintButtonsLieInTheirOrder() {
        Card c;
        const int order[] = {0, 5, 1, 7, 3, 2, 4, 6};
        for (int k = 0; k < 8; ++k)
            QCOMPARE(c.f->Command1[size_t(order[k])]->geometry(), twRect(270 + 270 * k, 9990, 240, 195));
    }

    void fontIcons_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("family");
        QTest::newRow("0") << 0 << "Arial";
        QTest::newRow("1") << 1 << QString::fromUtf8("Zahareña");
        QTest::newRow("2") << 2 << "Comic Sans MS";
        QTest::newRow("3") << 3 << "Courier New";
    }
    void fontIcons() {
        QFETCH(int, icon);
        QFETCH(QString, family);
        Card c;
        const QFont bottom = c.f->Text15[4]->font();
        QTest::mouseClick(c.f->Label3[size_t(icon)], Qt::LeftButton);
        for (QWidget* box : c.f->styledTexts())
            QCOMPARE(box->font().family(), family);
        QCOMPARE(c.f->Text15[5]->font().pointSizeF(), 13.5);
        QCOMPARE(c.f->Text14->font().pointSizeF(), 14.25);
        QVERIFY(c.f->Text15[0]->font().bold());
        QVERIFY(!c.f->Text14->font().bold());
        QCOMPARE(c.f->Text15[4]->font(), bottom);
    }

    void sizeIcons_data() {
        QTest::addColumn<bool>("up");
        QTest::addColumn<double>("headingBefore");
        QTest::addColumn<QList<double>>("expected"); // heading, address, message
        QTest::newRow("up") << true << 13.5 << QList<double>{15.5, 16.25, 16.25};
        QTest::newRow("down") << false << 13.5 << QList<double>{11.5, 12.25, 12.25};
        QTest::newRow("up, heading at the top") << true << 399.5 << QList<double>{399.5, 16.25, 16.25};
        QTest::newRow("down, heading at the bottom") << false << 2.5 << QList<double>{2.5, 12.25, 12.25};
    }
    void sizeIcons() {
        QFETCH(bool, up);
        QFETCH(double, headingBefore);
        QFETCH(QList<double>, expected);
        Card c;
        QFont heading = c.f->Text15[5]->font();
        heading.setPointSizeF(headingBefore);
        c.f->Text15[5]->setFont(heading);
        const QFont bottom = c.f->Text15[4]->font();
        QTest::mouseClick(up ? c.f->Label4 : c.f->Label5, Qt::LeftButton);
        QCOMPARE(c.f->Text15[5]->font().pointSizeF(), expected[0]);
        QCOMPARE(c.f->Text15[0]->font().pointSizeF(), expected[1]);
        QCOMPARE(c.f->Text14->font().pointSizeF(), expected[2]);
        QCOMPARE(c.f->Text15[4]->font(), bottom);
    }

    void paletteColours_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("expected"); // invalid: nothing changes
        QTest::newRow("red cell, left") << Qt::LeftButton << QPoint(80, 60) << QColor(QRgb(0xFF0000));
        QTest::newRow("last cell, right") << Qt::RightButton << QPoint(127, 119) << QColor(QRgb(0x008080));
        QTest::newRow("white part") << Qt::LeftButton << QPoint(60, 105) << QColor(Qt::white);
        QTest::newRow("off the picture's edge") << Qt::LeftButton << QPoint(135, 173) << QColor();
        QTest::newRow("dragged off the panel") << Qt::LeftButton << QPoint(-20, 50) << QColor();
    }
    void paletteColours() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, at);
        QFETCH(QColor, expected);
        Card c;
        const QColor before = c.f->Text14->palette().color(QPalette::Text);
        const QColor bottom = c.f->Text15[4]->palette().color(QPalette::Text);
        QTest::mousePress(c.f->Picture1, button, {}, QPoint(80, 60));
        QTest::mouseRelease(c.f->Picture1, button, {}, at);
        for (QWidget* box : c.f->styledTexts())
            QCOMPARE(box->palette().color(QPalette::Text), expected.isValid() ? expected : before);
        QCOMPARE(c.f->Text15[4]->palette().color(QPalette::Text), bottom);
    }

    // Every hand-off closes the window when it succeeds and keeps the card when it fails.
    void exports_data() {
        QTest::addColumn<QString>("icon");
        QTest::addColumn<bool>("fails");
        for (const char* icon : {"Label7", "Label2", "Label9"}) {
            QTest::addRow("%s", icon) << icon << false;
            QTest::addRow("%s failing", icon) << icon << true;
        }
    }
    void exports() {
        QFETCH(QString, icon);
        QFETCH(bool, fails);
        Card c;
        c.select("vermell.bmp");
        c.releaseOnSide(Qt::LeftButton);
        c.f->Command1[4]->click();                           // inverts the picture side on screen
        QTest::mouseClick(c.f->Picture4[3], Qt::LeftButton); // stamp 4
        c.t.office.answer = !fails;
        c.t.launcher.answer = !fails;
        const QByteArray before = readAll(c.handOff());
        QTest::mouseClick(c.f->findChild<ClickZone*>(icon), Qt::LeftButton);

        if (fails) {
            QCOMPARE(c.t.dialogs.messages, QStringList{"Error"});
            QVERIFY(!c.closed());
            QCOMPARE(c.t.state().ActivityCode(), 9);
            QCOMPARE(c.f->Label1, 4);
            return;
        }
        QVERIFY(c.t.dialogs.messages.isEmpty());
        const QPoint stampCorner = twRect(6495, 435, 1470, 990).center();
        if (icon == "Label7") {
            QCOMPARE(c.t.office.documents.size(), 1);
            const OfficeDocument& doc = c.t.office.documents.first();
            QCOMPARE(doc.orientation, OfficeDocument::Orientation::Portrait);
            QCOMPARE(doc.margins, QMarginsF(40, 40, 40, 40));
            const auto& table = std::get<OfficeTable>(doc.blocks.first());
            const QImage first =
                QImage::fromData(table.cell(1, 1).paragraphs.first().runs.first().picture.data());
            const QImage second =
                QImage::fromData(table.cell(2, 1).paragraphs.first().runs.first().picture.data());
            QCOMPARE(first.size(), c.f->Picture23->size());
            QCOMPARE(second.size(), first.size());
            QCOMPARE(rgbAt(first, QPoint(300, 170)), qRgb(255, 0, 0));  // without the tint
            QVERIFY(rgbAt(second, stampCorner) != qRgb(255, 255, 255)); // the stamp is on it
            QVERIFY(QDir(c.t.scratchFolder()).entryList({"dibuix1*", "dibuix2*"}, QDir::Files).isEmpty());
            QCOMPARE(readAll(c.handOff()), before);
        } else {
            const QString kind = icon == "Label2" ? "picture: " : "office: ";
            QCOMPARE(c.t.launcher.requests, QStringList{kind + c.handOff()});
            const QImage card(c.handOff());
            QCOMPARE(card.size(), twSize(8955, 10260));
            // The picture side with its tint: red inverted.
            QCOMPARE(rgbAt(card, QPoint(2 + 300, 2 + 170)), qRgb(0, 255, 255));
            QVERIFY(rgbAt(card, twPoint(30, 5130) + stampCorner) != qRgb(255, 255, 255));
        }
        QVERIFY(c.closed());
        QCOMPARE(c.t.state().ActivityCode(), 0);

        // Opening again starts a new card.
        Form7& again = c.t.forms().show<Form7>();
        QCOMPARE(again.Label1, 3);
        QVERIFY(again.Picture4[3]->isVisible() && !again.Picture4[4]->isVisible());
        QVERIFY(again.Picture23->Picture().isNull());
        QVERIFY(!again.Shape6->isVisible());
        QCOMPARE(textOf(again.Text15[5]), QStringLiteral("TARJA POSTAL "));
    }

    void menus() {
        Card c;
        const QString other = c.picture("altres");
        QVERIFY(QDir().mkpath(other));
        QVERIFY(filled(QSize(5, 5), Qt::yellow).save(QDir(other).filePath("groc.bmp")));
        c.t.dialogs.answerOpen(QDir(other).filePath("groc.bmp"));
        c.f->aaa->trigger();
        QCOMPARE(QDir(c.f->File1->Path()), QDir(other));
        QCOMPARE(c.f->File1->count(), 1);
        // A click on the entry, as the user gives it, shows its picture.
        const QRect entry = c.f->File1->visualItemRect(c.f->File1->item(0));
        QTest::mouseClick(c.f->File1->viewport(), Qt::LeftButton, {}, entry.center());
        QVERIFY(!c.f->Image1->Picture().isNull());
        QCOMPARE(c.f->Image1->Picture().pixelColor(0, 0), QColor(Qt::yellow));
        // The picture changed on disk (edited in the picture editor): a click on its entry, still
        // selected, shows it as it is now.
        QVERIFY(filled(QSize(5, 5), Qt::green).save(QDir(other).filePath("groc.bmp")));
        QTest::mouseClick(c.f->File1->viewport(), Qt::LeftButton, {}, entry.center());
        QCOMPARE(c.f->Image1->Picture().pixelColor(0, 0), QColor(Qt::green));
        c.f->wwwwee->trigger();
        QCOMPARE(c.t.launcher.requests.size(), 1);
        QVERIFY(c.t.launcher.requests.first().startsWith("url: "));
    }

private:
    static QByteArray readAll(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

QTEST_MAIN(TestPostcard)
#include "tst_postcard.moc"
