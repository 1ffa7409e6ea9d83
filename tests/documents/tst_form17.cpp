// The business-card window: its design, the card text typed once onto all 24 cards, the fonts of
// the tool panel and the font dialog, the layout switch, the card tints, a fresh start after
// closing, pictures painted onto the cards from the picture list, and the visible sheet handed on.
#include "core/controls.h"
#include "core/fonts.h"
#include "core/twips.h"
#include "documents/businesscards.h"
#include "documents/cardart.h"
#include "documents/cardwidgets.h"
#include "testservices.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"
#include "workshop/tint.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace cardsheet;

namespace {
// The window, open, as the picture menu opens it.
struct Cards {
    TestServices t;
    Form17* f = nullptr;

    Cards() {
        f = &t.forms().show<Form17>();
        t.state().setActivityCode(44444);
        QVERIFY(QTest::qWaitForWindowExposed(f));
    }
    static void type(QLineEdit* box, const QString& text) {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QStringList texts(Field field) const {
        QStringList out;
        for (QLabel* l : f->fieldLabels(field))
            out << l->text();
        return out;
    }
    QImage shot() const { return f->client->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // A picture folder under the program folder: a picture red on its left half and blue on its
    // right, a file with no dot that is not a picture, and a text file that is not listed.
    QString pictures() {
        const QString folder = QDir(t.programFolder()).filePath(QStringLiteral("dibuixos/targetes"));
        QDir().mkpath(folder);
        QImage duo(400, 300, QImage::Format_RGB32);
        duo.fill(Qt::blue);
        QPainter(&duo).fillRect(0, 0, 200, 300, Qt::red);
        duo.save(QDir(folder).filePath(QStringLiteral("duo.bmp")));
        for (const char* name : {"logowmf", "notes.txt"}) {
            QFile other(QDir(folder).filePath(QString::fromLatin1(name)));
            if (other.open(QIODevice::WriteOnly)) other.write("not a picture");
        }
        f->File1->setPath(folder);
        return folder;
    }
    void choose(const QString& name) {
        const QList<QListWidgetItem*> found = f->File1->findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        f->File1->setCurrentItem(found.first()); // as a click on the entry
    }
    QString handOff() { return handOffPicturePath(t.services()); }
};

QStringList repeated(const QString& text) {
    QStringList out;
    for (int i = 0; i < LabelCount; ++i)
        out << text;
    return out;
}

QRgb rgbAt(const QImage& image, QPoint at) {
    return image.pixel(at) | 0xff000000u;
}

QImage seenOn(QWidget* w) {
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb White = qRgb(255, 255, 255);

QLineEdit* boxOf(const Form17& f, Field field) {
    switch (field) {
    case Field::NOM:
        return f.Text1;
    case Field::EMAIL:
        return f.Text2;
    case Field::TELEFON:
        return f.Text4;
    case Field::CALLE:
        return f.Text5;
    case Field::CIUTAT:
        return f.Text3;
    }
    return nullptr;
}
} // namespace

Q_DECLARE_METATYPE(cardsheet::Field)

class TestForm17 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Cards c;
        Form17& f = *c.f;
        QCOMPARE(f.windowTitle(), QString("Taudrin-Targetes"));
        QCOMPARE(f.client->size(), QSize(996, 689));
        QCOMPARE(f.client->palette().color(QPalette::Window), QColor(Qt::white));

        // Menus: "imatges" acts by itself, "tipus" switches the layout, "colors fonts" tints.
        const QList<QAction*> top = f.menuBar()->actions();
        QCOMPARE(top.size(), 3);
        QCOMPARE(top[0], f.ssss3);
        QCOMPARE(f.ssss3->text(), QString("imatges"));
        QVERIFY(!f.ssss3->menu());
        QCOMPARE(top[1]->text(), QString("tipus"));
        QCOMPARE(f.tipus->actions(), (QList<QAction*>{f.quadre, f.fons}));
        QCOMPARE(f.quadre->text(), QString("imatge en quadre"));
        QCOMPARE(f.fons->text(), QString("imatge en fons"));
        QVERIFY(f.fons->isChecked() && !f.quadre->isChecked());
        QCOMPARE(top[2]->text(), QString("colors fonts"));
        QCOMPARE(f.coloursMenu->actions(), (QList<QAction*>{f.aq1, f.aq2, f.aq3, f.aq4, f.aq5}));
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(f.coloursMenu->actions()[i]->text(), QString("opc%1").arg(i + 1));
            QCOMPARE(f.coloursMenu->actions()[i]->objectName(), QString("aq%1").arg(i + 1));
        }

        // The sheets: the background one on view.
        QCOMPARE(f.Picture7->geometry(), twRect(3120, 210, 11805, 8910));
        QCOMPARE(f.bases->geometry(), twRect(3120, 240, 11775, 8895));
        QVERIFY(f.Picture7->isVisible() && f.bases->isHidden());
        for (Sheet sheet : {Sheet::Frame, Sheet::Background}) {
            PictureBox* parent = sheet == Sheet::Frame ? f.bases : f.Picture7;
            for (int n = 0; n < CardCount; ++n) {
                BorderedBox* card = f.Picture1[size_t(cardPanelIndex(sheet, n))];
                QCOMPARE(card->parentWidget(), parent);
                QCOMPARE(card->objectName(), QString("Picture1_%1").arg(cardPanelIndex(sheet, n)));
                QCOMPARE(card->geometry(), twRect(cardPanelTwips(sheet, n).x(), cardPanelTwips(sheet, n).y(),
                                                  CardWidth, CardHeight));
                QCOMPARE(card->BorderStyle(), BorderedBox::Border::Single);
                const int i = labelIndex(sheet, n);
                BorderedBox* box = f.Picture2[size_t(i)];
                QCOMPARE(box->parentWidget(), card);
                QCOMPARE(box->objectName(), QString("Picture2_%1").arg(i));
                // The picture box keeps inside the card's border.
                QVERIFY(QRect(1, 1, card->width() - 2, card->height() - 2).contains(box->geometry()));
                QWidget* lineParent = sheet == Sheet::Frame ? static_cast<QWidget*>(card) : box;
                for (int field = 0; field < FieldCount; ++field) {
                    QLabel* line = f.fieldLabels(Field(field))[size_t(i)];
                    QCOMPARE(line->parentWidget(), lineParent);
                    QCOMPARE(line->text(), sampleText(Field(field)));
                    QCOMPARE(line->font().family(), QString("MS Sans Serif"));
                    QCOMPARE(line->font().pointSizeF(), 8.25);
                    QCOMPARE(line->font().bold(), Field(field) == Field::NOM);
                    QCOMPARE(line->alignment(), fieldAlignment(Field(field)));
                    QCOMPARE(line->height(), tw(240));
                    QVERIFY(!line->autoFillBackground());
                }
            }
        }
        QCOMPARE(f.NOM[3]->geometry(), twRect(1320, 240, 2355, 240).translated(1, 1));
        QCOMPARE(f.Picture2[0]->geometry(), twRect(120, 120, 975, 1095).translated(1, 1));
        QCOMPARE(f.Picture2[0]->BorderStyle(), BorderedBox::Border::Single);
        QCOMPARE(f.Picture2[12]->BorderStyle(), BorderedBox::Border::None);
        // The background cards show the clip-art: not a blank card.
        const QImage art = f.Picture2[12]->Picture();
        QCOMPARE(art.size(), twSize(3750, 2055));
        QVERIFY(art.pixel(5, art.height() - 3) != qRgb(255, 255, 255));
        QCOMPARE(f.Picture2[20]->Picture(), art);
        QVERIFY(f.Picture2[0]->Picture().isNull());

        // The tints: grey, in merge-pen mode, over every background card.
        for (int n = 0; n < CardCount; ++n) {
            ColourTintOverlay* shape = f.Shape4[size_t(n)];
            QCOMPARE(shape->parentWidget(), f.Picture2[size_t(n + 12)]);
            QVERIFY(shape->isVisible());
            QCOMPARE(shape->DrawMode(), TintMode::MergePen);
            QCOMPARE(shape->FillColor(), QColor(0xE0, 0xE0, 0xE0));
            QCOMPARE(shape->geometry(), twRect(-30, -30, 3780, 2115));
        }

        // The boxes and their captions.
        const struct {
            QLineEdit* box;
            int left, width;
            int caption;
            const char* text;
            int captionLeft;
        } boxes[] = {{f.Text1, 120, 3135, 0, "NOM I COGNOMS", 240},
                     {f.Text2, 3240, 2175, 1, "CORREU", 3360},
                     {f.Text5, 5400, 3735, 3, "CARRER", 5520},
                     {f.Text4, 9120, 2055, 5, "TELÈFON", 9240},
                     {f.Text3, 11160, 3615, 4, "CIUTAT", 11280}};
        for (const auto& b : boxes) {
            QCOMPARE(b.box->geometry(), twRect(b.left, 9240, b.width, 375));
            QVERIFY(b.box->text().isEmpty());
            QLabel* caption = f.Label2[size_t(b.caption)];
            QCOMPARE(caption->text(), QString::fromUtf8(b.text));
            QCOMPARE(caption->geometry(), twRect(b.captionLeft, 9600, 1935, 255));
            QCOMPARE(caption->font().family(), QString("Courier New"));
            QCOMPARE(caption->font().pointSizeF(), 9.75);
        }
        QVERIFY(!f.Label2[2]);

        // The strip, the tool panel with its zones and markers, the picture list.
        QCOMPARE(f.Picture3->geometry(), twRect(30, -2490, 2670, 11610));
        QCOMPARE(f.Picture5->geometry(), twRect(210, 150, 2325, 3045));
        QCOMPARE(f.Picture5->Picture().size(), QSize(151, 199));
        QCOMPARE(f.Label7->geometry(), twRect(45, 915, 600, 570).translated(2, 2));
        QCOMPARE(f.Label10->geometry(), twRect(1365, 2160, 720, 720).translated(2, 2));
        QCOMPARE(f.Shape1->geometry(), twRect(840, 180, 615, 690).translated(2, 2));
        QVERIFY(f.Shape1->isVisible() && f.Shape2->isHidden());
        QCOMPARE(f.File1->geometry(), twRect(210, 3300, 2310, 5100));
        QVERIFY(f.Picture4->isHidden() && f.Picture6->isHidden());
    }

    // Typing in a box writes its line on all 24 cards, the hidden sheet's included; emptying it
    // empties the line; a text set without the keyboard (a paste) reaches the cards at once.
    // The window shows the tool panel the build painted: the same pixels the drawing gives.
    void builtToolPanel() {
        installFontSubstitutions(); // as the program and the build paint
        QVERIFY(QFile::exists(QStringLiteral(":/documents/cardtools.rgb")));
        QVERIFY(cardToolPanelImage() == drawCardToolPanel());
        Cards c;
        QVERIFY(c.f->Picture5->Picture() == drawCardToolPanel());
    }

    void cardText_data() {
        QTest::addColumn<Field>("field");
        QTest::newRow("NOM") << Field::NOM;
        QTest::newRow("EMAIL") << Field::EMAIL;
        QTest::newRow("TELEFON") << Field::TELEFON;
        QTest::newRow("CALLE") << Field::CALLE;
        QTest::newRow("CIUTAT") << Field::CIUTAT;
    }
    void cardText() {
        QFETCH(Field, field);
        Cards c;
        QLineEdit* box = boxOf(*c.f, field);
        Cards::type(box, QStringLiteral("Plaça Major, 3"));
        QCOMPARE(c.texts(field), repeated(QStringLiteral("Plaça Major, 3")));
        for (int other = 0; other < FieldCount; ++other)
            if (Field(other) != field) QCOMPARE(c.texts(Field(other)), repeated(sampleText(Field(other))));

        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(c.texts(field), repeated(QString()));

        box->insert(QStringLiteral("enganxat")); // as a paste with the mouse
        QCOMPARE(c.texts(field), repeated(QStringLiteral("enganxat")));
        box->clear();
        QCOMPARE(c.texts(field), repeated(QString()));

        // What looks like markup is shown as typed.
        Cards::type(box, QStringLiteral("<b>Anna &amp; <i>Pau"));
        QLabel* line = c.f->fieldLabels(field).front();
        QLabel literal;
        literal.setTextFormat(Qt::PlainText);
        literal.setFont(line->font());
        literal.setText(QStringLiteral("<b>Anna &amp; <i>Pau"));
        QCOMPARE(line->sizeHint().width(), literal.sizeHint().width());
    }

    // A fixed font changes the name only: sizes and weights stay.
    void fixedFonts_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("family");
        QTest::newRow("Label4") << "Label4"
                                << "Arial";
        QTest::newRow("Label5") << "Label5"
                                << "Comic Sans MS";
        QTest::newRow("Label6") << "Label6"
                                << "Times New Roman";
    }
    void fixedFonts() {
        QFETCH(QString, zone);
        QFETCH(QString, family);
        Cards c;
        c.f->Label8_Click();
        QTest::mouseClick(c.f->findChild<ClickZone*>(zone), Qt::LeftButton);
        for (QLabel* l : c.f->cardLabels()) {
            QCOMPARE(l->font().family(), family);
            QCOMPARE(l->font().pointSizeF(), 9.25);
            QCOMPARE(l->font().bold(), std::find(c.f->NOM.begin(), c.f->NOM.end(), l) != c.f->NOM.end());
            QVERIFY(!l->font().italic());
        }
    }

    // Larger twice and smaller once: every label one point above; the lines keep their differences;
    // at 1 and 400 points a label keeps its size while the others change.
    void fontSize() {
        Cards c;
        Form17& f = *c.f;
        QFont big = f.NOM[4]->font();
        big.setPointSizeF(12);
        f.NOM[4]->setFont(big);
        QTest::mouseClick(f.Label8, Qt::LeftButton);
        QTest::mouseClick(f.Label8, Qt::LeftButton);
        QTest::mouseClick(f.Label9, Qt::LeftButton);
        for (QLabel* l : f.cardLabels())
            QCOMPARE(l->font().pointSizeF(), l == f.NOM[4] ? 13.0 : 9.25);

        QFont most = f.CIUTAT[7]->font();
        most.setPointSizeF(400);
        f.CIUTAT[7]->setFont(most);
        QFont least = f.EMAIL[20]->font();
        least.setPointSizeF(1);
        f.EMAIL[20]->setFont(least);
        f.Label8_Click();
        QCOMPARE(f.CIUTAT[7]->font().pointSizeF(), 400.0);
        QCOMPARE(f.EMAIL[20]->font().pointSizeF(), 2.0);
        QCOMPARE(f.CIUTAT[8]->font().pointSizeF(), 10.25);
        f.Label9_Click();
        f.Label9_Click();
        QCOMPARE(f.CIUTAT[7]->font().pointSizeF(), 398.0);
        QCOMPARE(f.EMAIL[20]->font().pointSizeF(), 1.0);
        QCOMPARE(f.CIUTAT[8]->font().pointSizeF(), 8.25);
    }

    // The font dialog gives all 120 labels the chosen name, size, bold, italic and colour; a
    // cancelled dialog changes nothing.
    void fontDialog() {
        Cards c;
        c.t.dialogs.cancelFont();
        QTest::mouseClick(c.f->Label7, Qt::LeftButton);
        QCOMPARE(c.t.dialogs.fontRequests.size(), 1);
        for (QLabel* l : c.f->cardLabels())
            QCOMPARE(l->font().family(), QString("MS Sans Serif"));

        QFont chosen(QStringLiteral("Courier New"));
        chosen.setPointSizeF(14);
        chosen.setItalic(true);
        c.t.dialogs.answerFont({chosen, QColor(128, 0, 0)});
        QTest::mouseClick(c.f->Label7, Qt::LeftButton);
        const QList<QLabel*> all = c.f->cardLabels();
        QCOMPARE(all.size(), 120);
        for (QLabel* l : all) {
            QCOMPARE(l->font().family(), QString("Courier New"));
            QCOMPARE(l->font().pointSizeF(), 14.0);
            QVERIFY(l->font().italic());
            QVERIFY(!l->font().bold());
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        }
        QVERIFY(c.t.dialogs.messages.isEmpty());
    }

    // The layout items show one sheet, hide the other and move the check mark; choosing the shown
    // one again changes nothing.
    void layoutSwitch() {
        Cards c;
        Form17& f = *c.f;
        Cards::type(f.Text1, QStringLiteral("Pere"));
        f.aq3_Click();
        const QImage background = c.shot();
        f.quadre->trigger();
        QVERIFY(f.bases->isVisible() && f.Picture7->isHidden());
        QVERIFY(f.quadre->isChecked() && !f.fons->isChecked());
        QVERIFY(!f.backgroundShown());
        const QImage frame = c.shot();
        QVERIFY(frame != background);
        f.quadre->trigger();
        QVERIFY(f.bases->isVisible() && f.Picture7->isHidden());
        QVERIFY(f.quadre->isChecked() && !f.fons->isChecked());
        QCOMPARE(c.shot(), frame);

        f.fons->trigger();
        QVERIFY(f.Picture7->isVisible() && f.bases->isHidden());
        QVERIFY(f.fons->isChecked() && !f.quadre->isChecked());
        QCOMPARE(c.shot(), background);
        f.fons->trigger();
        QVERIFY(f.fons->isChecked() && !f.quadre->isChecked());
        QCOMPARE(c.texts(Field::NOM), repeated(QStringLiteral("Pere")));
        QCOMPARE(f.Shape4[0]->FillColor(), QColor(62, 250, 44));
    }

    // The colour items tint the twelve background cards, or hide the tints; on the frame sheet
    // they change nothing visible.
    void tints() {
        Cards c;
        Form17& f = *c.f;
        f.aq2->trigger();
        for (ColourTintOverlay* shape : f.Shape4) {
            QVERIFY(shape->isVisible());
            QCOMPARE(shape->FillColor(), QColor(122, 188, 222));
            QCOMPARE(shape->DrawMode(), TintMode::MergePen);
        }
        // On screen: the white of a card stays white, its ink takes the colour.
        BorderedBox* box = f.Picture2[12];
        const QImage art = box->Picture();
        const QImage seen = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint white(art.width() / 2, art.height() / 2 + 8);
        QCOMPARE(rgbAt(art, white), qRgb(255, 255, 255));
        QCOMPARE(rgbAt(seen, white), qRgb(255, 255, 255));
        const QPoint ink(5, art.height() - 3);
        QCOMPARE(rgbAt(seen, ink), tintPixel(TintMode::MergePen, qRgb(122, 188, 222), art.pixel(ink)));

        f.aq1->trigger();
        for (ColourTintOverlay* shape : f.Shape4)
            QVERIFY(shape->isHidden());
        QCOMPARE(rgbAt(box->grab().toImage().convertToFormat(QImage::Format_RGB32), ink), rgbAt(art, ink));
        f.aq3->trigger();
        for (ColourTintOverlay* shape : f.Shape4) {
            QVERIFY(shape->isVisible());
            QCOMPARE(shape->FillColor(), QColor(62, 250, 44));
        }

        f.quadre_Click();
        const QImage frame = c.shot();
        f.aq2_Click();
        QCOMPARE(c.shot(), frame);
        f.aq1_Click();
        QCOMPARE(c.shot(), frame);
        f.fons_Click();
        for (ColourTintOverlay* shape : f.Shape4)
            QVERIFY(shape->isHidden());
    }

    // Closing clears the activity code; the window opens again as designed.
    void closeAndReopen() {
        Cards c;
        Form17& f = *c.f;
        Cards::type(f.Text5, QStringLiteral("Carrer Nou"));
        f.Label6_Click();
        f.aq5_Click();
        f.quadre_Click();
        f.close();
        QCOMPARE(c.t.state().ActivityCode(), 0);
        Form17& again = c.t.forms().show<Form17>();
        QVERIFY(again.Text5->text().isEmpty());
        QCOMPARE(again.CALLE[0]->text(), sampleText(Field::CALLE));
        QCOMPARE(again.NOM[23]->font().family(), QString("MS Sans Serif"));
        QVERIFY(again.fons->isChecked() && !again.quadre->isChecked());
        QVERIFY(again.Picture7->isVisible() && again.bases->isHidden());
        QCOMPARE(again.Shape4[0]->FillColor(), QColor(0xE0, 0xE0, 0xE0));
    }

    void pictureMode() {
        Cards c;
        QTest::mouseClick(c.f->Label1, Qt::LeftButton);
        QVERIFY(c.f->Shape1->isHidden() && c.f->Shape2->isVisible());
        QVERIFY(!c.f->pictureMode());
        QTest::mouseClick(c.f->Label3, Qt::LeftButton);
        QVERIFY(c.f->Shape1->isVisible() && c.f->Shape2->isHidden());
        QVERIFY(c.f->pictureMode());
        // The marker inverts the panel under its outline.
        const QImage panel = c.f->Picture5->Picture();
        const QPoint corner = c.f->Shape1->pos() - QPoint(2, 2);
        const QImage seen = seenOn(c.f->Picture5);
        QCOMPARE(rgbAt(seen, c.f->Shape1->pos()), ~panel.pixel(corner) | 0xff000000u);
    }

    // "imatges": the list shows the chosen file's folder, nothing is painted; cancel is silent and a
    // failed dialog says "Error".
    void pictureFolder() {
        Cards c;
        const QString folder = c.pictures();
        c.f->File1->setPath(QString());
        c.t.dialogs.answerOpen(QDir(folder).filePath(QStringLiteral("duo.bmp")));
        c.f->ssss3->trigger();
        QCOMPARE(c.t.dialogs.openRequests.size(), 1);
        QCOMPARE(c.t.dialogs.openRequests.first().initDir,
                 QDir::cleanPath(QDir(c.t.programFolder()).filePath(QStringLiteral("dibuixos"))));
        QCOMPARE(c.f->File1->Path(), QDir::cleanPath(folder));
        QCOMPARE(c.f->File1->count(), 2);
        QVERIFY(!c.f->File1->selectedFile());
        QCOMPARE(c.f->Picture2[0]->BorderStyle(), BorderedBox::Border::Single);

        c.t.dialogs.cancelOpen();
        c.f->ssss3_Click();
        QVERIFY(c.t.dialogs.messages.isEmpty());
        QCOMPARE(c.f->File1->Path(), QDir::cleanPath(folder));
        c.t.dialogs.failOpen();
        c.f->ssss3_Click();
        QCOMPARE(c.t.dialogs.messages, QStringList{"Error"});
    }

    // The list's pattern takes names that merely end in wmf, cur or ico.
    void dotlessNamesListed() {
        Cards c;
        c.pictures();
        QCOMPARE(c.f->File1->Pattern(), QString("*.bmp;*.jpg;*wmf;*.gif;*cur;*ico"));
        QStringList names;
        for (int i = 0; i < c.f->File1->count(); ++i)
            names << c.f->File1->item(i)->text();
        QCOMPARE(names, (QStringList{"duo.bmp", "logowmf"}));
    }

    // Background sheet shown, picture mode on: every background card is filled, every frame
    // shows the picture's top-left part, the frames lose their borders, and the tints cover the
    // new pictures.
    void listChoiceOnBackground() {
        Cards c;
        c.pictures();
        const QString elsewhere = QDir::currentPath();
        QDir::setCurrent(QDir::tempPath()); // the list loads from its own folder
        c.choose(QStringLiteral("duo.bmp"));
        QDir::setCurrent(elsewhere);
        QCOMPARE(c.f->Picture4->Picture().size(), twSize(3795, 2130));
        for (int i = 0; i < LabelCount; ++i) {
            const QImage painted = c.f->Picture2[size_t(i)]->Picture();
            QCOMPARE(painted.size(), c.f->Picture2[size_t(i)]->size());
            if (i >= CardCount) {
                QCOMPARE(rgbAt(painted, QPoint(10, 10)), Red);
                QCOMPARE(rgbAt(painted, QPoint(240, 130)), Blue);
            } else {
                QCOMPARE(rgbAt(painted, QPoint(10, 10)), Red);
                QCOMPARE(rgbAt(painted, QPoint(60, 70)), Red); // the top-left part only
                QCOMPARE(c.f->Picture2[size_t(i)]->BorderStyle(), BorderedBox::Border::None);
            }
        }
        // Red ORed with the grey tint.
        QCOMPARE(rgbAt(seenOn(c.f->Picture2[15]), QPoint(20, 60)), qRgb(255, 224, 224));
        c.f->aq1_Click();
        QCOMPARE(rgbAt(seenOn(c.f->Picture2[15]), QPoint(20, 60)), Red);

        // On the frame sheet the frames show what was painted at the time.
        c.f->quadre_Click();
        QCOMPARE(rgbAt(seenOn(c.f->Picture2[4]), QPoint(60, 70)), Red);
    }

    // Frame sheet shown: every frame is filled, and only the top-left corner of each background
    // card is painted, the rest of its clip-art cleared.
    void listChoiceOnFrames() {
        Cards c;
        c.pictures();
        c.f->quadre_Click();
        c.choose(QStringLiteral("duo.bmp"));
        for (int i = 0; i < LabelCount; ++i) {
            const QImage painted = c.f->Picture2[size_t(i)]->Picture();
            QCOMPARE(rgbAt(painted, QPoint(10, 10)), Red);
            QCOMPARE(rgbAt(painted, QPoint(60, 10)), Blue);
            if (i >= CardCount) {
                QCOMPARE(rgbAt(painted, QPoint(100, 10)), White);
                QCOMPARE(rgbAt(painted, QPoint(200, 130)), White);
            }
        }
    }

    // Picture mode off: a list choice paints nothing but removes the borders; a card click still
    // paints that card, at twice the frame's size on the background sheet, clearing its clip-art.
    // What a choice paints depends on the mode and the sheet: a click on the file already selected
    // paints it again, after either has changed.
    void clickOnTheSelectedFileAgain() {
        Cards c;
        c.pictures();
        QTest::mouseClick(c.f->Label1, Qt::LeftButton); // picture mode off
        const QListWidgetItem* duo =
            c.f->File1->findItems(QStringLiteral("duo.bmp"), Qt::MatchExactly).value(0);
        QVERIFY(duo);
        const QPoint at = c.f->File1->visualItemRect(duo).center();
        QTest::mouseClick(c.f->File1->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(duo->isSelected());
        QVERIFY(c.f->Picture2[0]->Picture().isNull());
        QTest::mouseClick(c.f->Label3, Qt::LeftButton); // picture mode on
        QTest::mouseClick(c.f->File1->viewport(), Qt::LeftButton, {}, at);
        for (int i = 0; i < 2 * CardCount; ++i)
            QVERIFY(!c.f->Picture2[size_t(i)]->Picture().isNull());
        QCOMPARE(rgbAt(c.f->Picture2[0]->Picture(), QPoint(2, 2)), Red);
    }

    void pictureModeOff() {
        Cards c;
        c.pictures();
        QTest::mouseClick(c.f->Label1, Qt::LeftButton);
        const QImage art = c.f->Picture2[14]->Picture();
        c.choose(QStringLiteral("duo.bmp"));
        for (int i = 0; i < CardCount; ++i) {
            QVERIFY(c.f->Picture2[size_t(i)]->Picture().isNull());
            QCOMPARE(c.f->Picture2[size_t(i)]->BorderStyle(), BorderedBox::Border::None);
            QCOMPARE(c.f->Picture2[size_t(i + CardCount)]->Picture(), art);
        }

        // The line over the picture box passes the click to it.
        BorderedBox* box = c.f->Picture2[14];
        const QPoint onName = c.f->NOM[14]->geometry().center();
        QVERIFY(!box->childAt(onName));
        QVERIFY(rgbAt(art, QPoint(200, 130)) != White);
        QTest::mouseClick(box, Qt::LeftButton, {}, onName);
        const QImage painted = box->Picture();
        QCOMPARE(rgbAt(painted, QPoint(10, 10)), Red);
        QCOMPARE(rgbAt(painted, QPoint(100, 10)), Blue);
        QCOMPARE(rgbAt(painted, QPoint(200, 10)), White);  // beyond 1950 twips
        QCOMPARE(rgbAt(painted, QPoint(200, 130)), White); // the clip-art is gone
        QCOMPARE(c.f->Picture2[15]->Picture(), art);       // the other cards stay

        // On the frame sheet a click paints a frame's size.
        c.f->quadre_Click();
        QTest::mouseClick(c.f->Picture2[3], Qt::LeftButton, {}, QPoint(30, 30));
        QCOMPARE(rgbAt(c.f->Picture2[3]->Picture(), QPoint(60, 10)), Blue);
        QVERIFY(c.f->Picture2[2]->Picture().isNull());
    }

    // A file that does not load (a WMF, or no picture at all), or a card click with no entry
    // selected, does nothing: no painting, no border change, no message.
    void nothingToPaint() {
        Cards c;
        c.pictures();
        const QImage art = c.f->Picture2[12]->Picture();
        QTest::mouseClick(c.f->Picture2[12], Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(c.f->Picture2[12]->Picture(), art);
        c.choose(QStringLiteral("logowmf"));
        QTest::mouseClick(c.f->Picture2[13], Qt::LeftButton, {}, QPoint(5, 5));
        for (int i = 0; i < CardCount; ++i) {
            QVERIFY(c.f->Picture2[size_t(i)]->Picture().isNull());
            QCOMPARE(c.f->Picture2[size_t(i)]->BorderStyle(), BorderedBox::Border::Single);
            QCOMPARE(c.f->Picture2[size_t(i + CardCount)]->Picture(), art);
        }
        QVERIFY(c.f->Picture4->Picture().isNull());
        QVERIFY(c.t.dialogs.messages.isEmpty());
    }

    // Each export takes the visible sheet, never the hidden one, at the frame sheet's size.
    void exports_data() {
        QTest::addColumn<QString>("icon");
        QTest::addColumn<bool>("frameSheet");
        for (const char* icon : {"Label10", "Label11", "Label12"}) {
            QTest::newRow(qPrintable(QString("%1 background").arg(icon))) << icon << false;
            QTest::newRow(qPrintable(QString("%1 frames").arg(icon))) << icon << true;
        }
    }
    void exports() {
        QFETCH(QString, icon);
        QFETCH(bool, frameSheet);
        Cards c;
        c.pictures();
        c.choose(QStringLiteral("duo.bmp")); // red and blue cards and frames
        c.f->aq1_Click();
        if (frameSheet) c.f->quadre_Click();
        QTest::mouseClick(c.f->findChild<ClickZone*>(icon), Qt::LeftButton);
        QVERIFY(c.t.dialogs.messages.isEmpty());

        const QImage page(c.handOff());
        QCOMPARE(page.size(), c.f->bases->size());
        QCOMPARE(c.f->Picture6->size(), c.f->bases->size());
        const QImage sheet = grabSource(c.f->bases, false);
        if (frameSheet) {
            QCOMPARE(page.convertToFormat(QImage::Format_RGB32), sheet);
        } else {
            // The middle of a background card's right half is blue; on the frame sheet it is white.
            const QPoint inCard = c.f->Picture2[16]->mapTo(c.f->Picture7, QPoint(200, 55));
            QCOMPARE(rgbAt(page, inCard), Blue);
            QCOMPARE(rgbAt(sheet, inCard), White);
        }
        if (icon == "Label11") {
            QVERIFY(c.t.launcher.requests.isEmpty());
            QCOMPARE(c.t.office.documents.size(), 1);
            const OfficeDocument& doc = c.t.office.documents.first();
            QCOMPARE(doc.orientation, OfficeDocument::Orientation::Landscape);
            QCOMPARE(doc.margins, OfficeDocument().margins);
            const auto& table = std::get<OfficeTable>(doc.blocks.first());
            QCOMPARE(table.rowCount(), 2);
            QCOMPARE(table.columnCount(), 1);
            QCOMPARE(QImage::fromData(table.cell(1, 1).paragraphs.first().runs.first().picture.data()).size(),
                     c.f->bases->size());
        } else {
            const QString kind = icon == "Label10" ? "picture: " : "office: ";
            QCOMPARE(c.t.launcher.requests, QStringList{kind + c.handOff()});
            QVERIFY(c.t.office.documents.isEmpty());
        }
        QVERIFY(c.f->isVisible()); // the window stays open
    }
};

QTEST_MAIN(TestForm17)
#include "tst_form17.moc"
