#include "workshop/postcard.h"
#include "core/controls.h"
#include "core/fonts.h"
#include "core/log.h"
#include "core/mouseevents.h"
#include "core/palette.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"
#include "workshop/tint.h"
#include "workshop/workshopimages.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QColor Beige(245, 240, 215);
const QColor DividerColour(192, 192, 255);

// The caption cannot show on buttons this small: each face shows its tint's colour instead.
SwatchButton::Look tintButtonLook(const TintButton& b) {
    QColor face(225, 225, 225);
    if (b.action == TintButton::Action::Show) face = paletteColour(b.paletteIndex);
    if (b.action == TintButton::Action::Hide) face = Qt::white;
    return {.left = face,
            .right = face,
            .border = QColor(0x50, 0x50, 0x50),
            .radius = 2,
            .pressedBorder = QColor(0x20, 0x20, 0x20),
            .pressedWidth = 2};
}
} // namespace

Form7::Form7(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    // Opens maximized; the designed client size is the least it needs.
    client = makeMaximizedClient(this, ClientWidthTwips, ClientHeightTwips);

    aaa = menuBarItem(this, "aaa", QStringLiteral("IMATGES"));
    wwwwee = menuBarItem(this, "wwwwee", QStringLiteral("WWW"));

    Picture10 = control<PictureBox>(client, "Picture10", 0, 0, 2670, 11610);
    Image1 = control<ImageBox>(Picture10, "Image1", 210, 5100, 2205, 1710);
    File1 = pictureFileList(services, client, "File1", 180, 90, 2295, 4965);
    Picture1 = control<PictureBox>(client, "Picture1", 270, 6930, 2040, 2610);
    Label3[0] = control<ClickZone>(Picture1, "Label3_0", 135, 225, 465, 555);
    Label3[1] = control<ClickZone>(Picture1, "Label3_1", 630, 225, 465, 555);
    Label3[2] = control<ClickZone>(Picture1, "Label3_2", 1125, 225, 465, 555);
    Label3[3] = control<ClickZone>(Picture1, "Label3_3", 1620, 225, 465, 555);
    Label4 = control<ClickZone>(Picture1, "Label4", 180, 900, 465, 555);
    Label5 = control<ClickZone>(Picture1, "Label5", 675, 855, 420, 600);
    Label9 = control<ClickZone>(Picture1, "Label9", 180, 1845, 705, 870);
    Label7 = control<ClickZone>(Picture1, "Label7", 765, 1935, 690, 795);
    Label2 = control<ClickZone>(Picture1, "Label2", 1395, 1935, 795, 780);
    for (int i = 0; i < TintButtonCount; ++i) {
        Command1[size_t(i)] = control<SwatchButton>(client, "Command1");
        Command1[size_t(i)]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        Command1[size_t(i)]->setGeometry(twRect(tintButton(i).leftTwips, 9990, 240, 195));
    }

    Picture30 = control<PictureBox>(client, "Picture30", 2760, 45, 8955, 10260);
    Picture23 = control<PictureBox>(Picture30, "Picture23", 30, 30, 8865, 5085);
    Shape6 = control<ColourTintOverlay>(Picture23, "Shape6", -270, -90, 28275, 21135);
    Picture24 = control<PictureBox>(Picture30, "Picture24", 30, 5130, 8865, 5100);
    auto* heading = control<QLineEdit>(Picture24, "Text15_5", 135, 90, 3495, 465);
    Text14 = control<QPlainTextEdit>(Picture24, "Text14", 195, 735, 4425, 4095);
    auto* address = control<QPlainTextEdit>(Picture24, "Text15_0", 5040, 1545, 3495, 3315);
    auto* bottom = control<QLineEdit>(Picture24, "Text15_4", 135, 4695, 8415, 285);
    Line1 = new LineControl(Picture24, twPoint(4785, 435), twPoint(4785, 5025), DividerColour);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->lower(); // drawn on the side itself, under the text boxes
    for (int i = 0; i < StampCount; ++i) {
        const QRect place = stampPlaceTwips(i);
        PictureBox*& stamp = Picture4[size_t(i)];
        stamp =
            control<PictureBox>(Picture24, "Picture4", place.x(), place.y(), place.width(), place.height());
        stamp->setObjectName(QStringLiteral("Picture4_%1").arg(i));
    }
    Text15[0] = address;
    Text15[4] = bottom;
    Text15[5] = heading;

    Picture3 = control<PictureBox>(client, "Picture3");
    Picture3->hide();

    // Pictures, colours, texts and fonts of the design.
    Picture10->setBackColor(Beige);
    Image1->setStretch(true);
    Picture1->setPicture(toolPanelImage());
    Picture30->setBackColor(Qt::white);
    Picture23->setBackColor(Qt::white);
    Picture24->setBackColor(Picture24->palette().color(QPalette::Base));
    for (int i = 0; i < StampCount; ++i) {
        Picture4[size_t(i)]->setBackColor(Picture24->BackColor());
        Picture4[size_t(i)]->setPicture(stampImage(i));
        Picture4[size_t(i)]->setCursor(Qt::PointingHandCursor);
    }
    for (int i = 0; i < TintButtonCount; ++i) {
        SwatchButton* button = Command1[size_t(i)];
        button->setText(QStringLiteral("Command1")); // the design's caption, never shown
        button->setFocusPolicy(Qt::NoFocus);
        button->setLook(tintButtonLook(tintButton(i)));
    }
    heading->setText(QStringLiteral("TARJA POSTAL "));
    heading->setFont(designFont("MS Sans Serif", 13.5));
    Text14->setPlainText(QStringLiteral(">"));
    Text14->setFont(designFont("Courier New", 14.25));
    address->setPlainText(QStringLiteral(">"));
    address->setFont(designFont("Courier New", 14.25, true));
    bottom->setText(QStringLiteral(">"));
    for (QPlainTextEdit* box : {Text14, address})
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (QWidget* box : std::initializer_list<QWidget*>{heading, Text14, address, bottom})
        box->setAutoFillBackground(true); // the divider passes under them
    for (ClickZone* zone :
         {Label3[0], Label3[1], Label3[2], Label3[3], Label4, Label5, Label9, Label7, Label2})
        zone->setCursor(Qt::PointingHandCursor);
    Label3[0]->setToolTip(QStringLiteral("Arial"));
    Label3[1]->setToolTip(QStringLiteral("Zahareña"));
    Label3[2]->setToolTip(QStringLiteral("Comic Sans MS"));
    Label3[3]->setToolTip(QStringLiteral("Courier New"));

    connect(aaa, &QAction::triggered, this, &Form7::aaa_Click);
    connect(wwwwee, &QAction::triggered, this, &Form7::wwwwee_Click);
    // After the click has selected the entry (the current row changes first).
    connect(File1, &QListWidget::itemSelectionChanged, this, &Form7::File1_Click);
    // A click on the file already selected loads it again: it may have changed since.
    connect(File1, &PictureFileList::selectedEntryClicked, this, &Form7::File1_Click);
    connect(new MouseEvents(Image1), &MouseEvents::Click, this, &Form7::Image1_Click);
    connect(new MouseEvents(Picture23), &MouseEvents::MouseUp, this, &Form7::Picture23_MouseUp);
    connect(new MouseEvents(Picture1), &MouseEvents::MouseUp, this, &Form7::Picture1_MouseUp);
    for (int i = 0; i < StampCount; ++i)
        connect(new MouseEvents(Picture4[size_t(i)]), &MouseEvents::Click, this,
                [this, i] { Picture4_Click(i); });
    for (int i = 0; i < TintButtonCount; ++i)
        connect(Command1[size_t(i)], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    for (int i = 0; i < 4; ++i)
        connect(Label3[size_t(i)], &ClickZone::Click, this, [this, i] { Label3_Click(i); });
    connect(Label4, &ClickZone::Click, this, &Form7::Label4_Click);
    connect(Label5, &ClickZone::Click, this, &Form7::Label5_Click);
    connect(Label7, &ClickZone::Click, this, &Form7::Label7_Click);
    connect(Label2, &ClickZone::Click, this, &Form7::Label2_Click);
    connect(Label9, &ClickZone::Click, this, &Form7::Label9_Click);
}

void Form7::Form_Load() {
    for (PictureBox* stamp : Picture4)
        stamp->hide();
    Picture4[PlainStamp]->show();
}

void Form7::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

QList<QWidget*> Form7::styledTexts() const {
    return {Text15[5], Text15[0], Text14};
}

void Form7::Picture4_Click(int) {
    // Only the stamp on view takes clicks: each click shows the next one.
    for (PictureBox* stamp : Picture4)
        stamp->hide();
    Label1 = nextStamp(Label1);
    Picture4[size_t(Label1)]->show();
}

void Form7::placeListedPicture() {
    // A file that does not load leaves the side, and the picture saved from it, as they were.
    if (!PlacePictureInFrame(Picture23, Qt::LeftButton, File1)) return;
    Snapshot side;
    side.source = Picture23;
    side.refreshScratch = false;
    side.paintedPictureOnly = true;
    if (!SnapshotPicture(services, side)) qCWarning(lcCore) << "postcard: the picture side was not saved";
}

void Form7::Picture23_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, QPointF pos) {
    if (!Picture23->rect().contains(pos.toPoint())) return;
    if (button == Qt::LeftButton)
        placeListedPicture();
    else if (button == Qt::RightButton)
        PlacePictureInFrame(Picture23, Qt::RightButton, File1); // nothing saved
}

void Form7::Image1_Click() {
    placeListedPicture();
}

void Form7::Command1_Click(int Index) {
    const TintButton& b = tintButton(Index);
    switch (b.action) {
    case TintButton::Action::Show:
        Shape6->showTint(b.mode, b.paletteIndex);
        break;
    case TintButton::Action::Hide:
        Shape6->hideTint();
        break;
    case TintButton::Action::Nothing:
        break;
    }
}

void Form7::Label3_Click(int Index) {
    static const char* const families[] = {"Arial", "Zahareña", "Comic Sans MS", "Courier New"};
    if (Index < 0 || Index > 3) return;
    for (QWidget* box : styledTexts()) {
        QFont f = box->font();
        f.setFamily(QString::fromUtf8(families[Index]));
        box->setFont(f);
    }
}

void Form7::stepTextSize(double step) {
    for (QWidget* box : styledTexts()) {
        const std::optional<double> size = steppedPointSize(box->font().pointSizeF(), step);
        if (!size) continue; // this box keeps its size; the others still change
        QFont f = box->font();
        f.setPointSizeF(*size);
        box->setFont(f);
    }
}

void Form7::Label4_Click() {
    stepTextSize(PointSizeStep);
}

void Form7::Label5_Click() {
    stepTextSize(-PointSizeStep);
}

void Form7::Picture1_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, QPointF pos) {
    const std::optional<QColor> colour = PickPaletteColour(Picture1, pos);
    if (!colour) return; // released off the panel's picture
    for (QWidget* box : styledTexts())
        setTextColour(box, *colour);
}

void Form7::Label7_Click() {
    // The picture side as painted, without its tint; the writing side as shown, stamp included.
    if (ExportTwoPicturesToWord(services, this, Picture23, Picture24, nullptr, true)) close();
}

void Form7::Label2_Click() {
    Snapshot card;
    card.source = Picture30;
    card.scratch = Picture3;
    card.refreshScratch = false;
    if (EditPictureInPaint(services, this, card)) close();
}

void Form7::Label9_Click() {
    Snapshot card;
    card.source = Picture30;
    card.scratch = Picture3;
    card.refreshScratch = false;
    if (OpenPictureInOfficeSuite(services, this, card)) close();
}

void Form7::aaa_Click() {
    ChoosePictureFolder(services, this, File1);
}

void Form7::File1_Click() {
    PreviewPictureFile(File1, Image1);
}

void Form7::wwwwee_Click() {
    OpenWebSearchPage(services);
}
