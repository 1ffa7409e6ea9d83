#include "workshop/calendar.h"
#include "core/controls.h"
#include "core/fonts.h"
#include "core/mouseevents.h"
#include "core/palette.h"
#include "core/sharedstate.h"
#include "workshop/handoff.h"
#include "workshop/handofficons.h"
#include "workshop/monthsheet.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"
#include "workshop/tint.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QColor SaturdayColour(0xC0, 0xC0, 0xFF);
const QColor SundayColour(0xFF, 0xC0, 0xFF);
const QColor PanelColour(0x80, 0x80, 0x80);
const QColor SlotColour(0xEC, 0xEC, 0xEC);

constexpr int DayLefts[CalendarColumns] = {450, 1170, 1890, 2610, 3330, 4050, 4740};
constexpr int DayTops[CalendarCells / CalendarColumns] = {5520, 6180, 6840, 7470, 8130, 8760};
// The tint of each colour button: draw mode and palette entry.
struct Tint {
    TintMode mode;
    int colour;
};
constexpr Tint Tint1{TintMode::MergePenNot, 10};
constexpr Tint Tint2{TintMode::MergePenNot, 0};
constexpr Tint Tint3{TintMode::MergePenNot, 4};
constexpr Tint Tint4{TintMode::MergePenNot, 6};
constexpr Tint Tint5{TintMode::MergePenNot, 1};
constexpr Tint Tint6{TintMode::MergePenNot, 5};
constexpr Tint Tint8{TintMode::Not, 8};
constexpr Tint Tint9{TintMode::MergePenNot, 1};

constexpr int FirstYear = 1900;
constexpr int Years = 126;

// A tint button shows what its tint does to white (left) and to black (right).
void paintTintSwatch(SwatchButton* button, Tint tint) {
    const QRgb pen = paletteColour(tint.colour).rgb();
    button->setLook({.left = QColor(tintPixel(tint.mode, pen, qRgb(255, 255, 255))),
                     .right = QColor(tintPixel(tint.mode, pen, qRgb(0, 0, 0))),
                     .border = QColor(0x40, 0x40, 0x40)});
}

} // namespace

FrameShape::FrameShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int width = 3;
    p.setPen(QPen(colour_, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
}

Form2::Form2(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    // The workshop windows open maximized; the design is their smallest size.
    client = makeMaximizedClient(this, ClientWidthTwips, ClientHeightTwips);

    saasasa = menuBarItem(this, "saasasa", QStringLiteral("IMATGES"));
    wwwee = menuBarItem(this, "wwwee", QStringLiteral("NAVEGADOR"));

    // The right-hand panel with the sheet.
    Picture15 = control<PictureBox>(client, "Picture15", 2700, 45, 8520, 10215);
    Shape2 = control<FrameShape>(Picture15, "Shape2", 105, 120, 8265, 9975);
    Picture17 = control<PictureBox>(Picture15, "Picture17", 165, 180, 8145, 9855);
    Picture16 = control<PictureBox>(Picture17, "Picture16", 360, 315, 7365, 4935);
    Shape6 = control<ColourTintOverlay>(Picture16, "Shape6", 0, 0, 7365, 4935);
    for (int k = 0; k < CalendarCells; ++k) {
        const QByteArray name = "textdia_" + QByteArray::number(k);
        const int column = k % CalendarColumns, row = k / CalendarColumns;
        textdia[k] =
            control<QLineEdit>(Picture17, name.constData(), DayLefts[column], DayTops[row], 675, 615);
    }
    Text9[0] = control<QLineEdit>(Picture17, "Text9_0", 5550, 5550, 2265, 525);
    Text9[1] = control<QLineEdit>(Picture17, "Text9_1", 5550, 6030, 2265, 525);
    Text11 = control<QPlainTextEdit>(Picture17, "Text11", 5550, 7080, 2265, 1635);
    Text10 = control<QLineEdit>(Picture17, "Text10", 5550, 9030, 2265, 285);

    // The left-hand panel.
    File1 = pictureFileList(services, client, "File1", 180, 90, 2295, 5295);
    Image1 = control<ImageBox>(client, "Image1", 210, 5490, 2205, 1530);
    Picture1 = control<PictureBox>(client, "Picture1", 210, 7350, 2220, 900);
    Label9 = control<ClickZone>(Picture1, "Label9", 0, 0, 740, 900);
    Label7 = control<ClickZone>(Picture1, "Label7", 740, 0, 740, 900);
    Label2 = control<ClickZone>(Picture1, "Label2", 1480, 0, 740, 900);
    Combo2 = control<QComboBox>(client, "Combo2", 210, 8430, 2220, 450);
    Combo1 = control<QComboBox>(client, "Combo1", 210, 8910, 2220, 450);
    Command7 = control<QPushButton>(client, "Command7", 210, 9585, 375, 195);
    Command8 = control<SwatchButton>(client, "Command8", 615, 9585, 195, 195);
    Command9 = control<SwatchButton>(client, "Command9", 840, 9585, 195, 195);
    Command1 = control<SwatchButton>(client, "Command1", 1065, 9585, 195, 195);
    Command2 = control<SwatchButton>(client, "Command2", 1290, 9585, 195, 195);
    Command5 = control<SwatchButton>(client, "Command5", 1515, 9585, 195, 195);
    Command4 = control<SwatchButton>(client, "Command4", 1740, 9585, 195, 195);
    Command6 = control<SwatchButton>(client, "Command6", 1965, 9585, 195, 195);
    Command3 = control<SwatchButton>(client, "Command3", 2190, 9585, 195, 195);

    Picture7 = control<PictureBox>(client, "Picture7");
    Picture7->hide();

    Picture15->setBackColor(PanelColour);
    Picture17->setBackColor(Qt::white);
    Picture16->setBackColor(SlotColour); // marks the picture's place while it is empty

    const QFont dayFont = designFont("MS Sans Serif", 24, false);
    for (int k = 0; k < CalendarCells; ++k) {
        QLineEdit* cell = textdia[k];
        cell->setFont(dayFont);
        cell->setFrame(false);
        cell->setAlignment(Qt::AlignCenter);
        cell->setText(QStringLiteral("00"));
        const int column = k % CalendarColumns;
        if (column == 5)
            setBackColour(cell, SaturdayColour);
        else if (column == 6)
            setBackColour(cell, SundayColour);
        else
            setBackColour(cell, Qt::white);
    }
    const QFont headingFont = designFont("Courier New", 20.25, true);
    for (QLineEdit* heading : Text9)
        heading->setFont(headingFont);
    Text11->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Image1->setStretch(true);
    Picture1->setPicture(drawHandOffIcons(Picture1->size()));
    Label9->setToolTip(QStringLiteral("Obrir amb el paquet ofimàtic"));
    Label7->setToolTip(QStringLiteral("Document nou"));
    Label2->setToolTip(QStringLiteral("Editar el dibuix"));
    for (ClickZone* zone : {Label9, Label7, Label2})
        zone->setCursor(Qt::PointingHandCursor);

    const QFont listFont = designFont("Courier New", 15.75, true);
    Combo2->setFont(listFont);
    Combo1->setFont(listFont);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setMaxVisibleItems(12);

    Command7->setText(QStringLiteral("..."));
    const std::pair<SwatchButton*, Tint> swatches[] = {
        {Command1, Tint1}, {Command2, Tint2}, {Command3, Tint3}, {Command4, Tint4},
        {Command5, Tint5}, {Command6, Tint6}, {Command8, Tint8}, {Command9, Tint9},
    };
    for (const auto& [button, tint] : swatches) {
        paintTintSwatch(button, tint);
        button->setFocusPolicy(Qt::NoFocus);
    }
    Command7->setFocusPolicy(Qt::NoFocus);

    connect(saasasa, &QAction::triggered, this, &Form2::saasasa_Click);
    connect(wwwee, &QAction::triggered, this, &Form2::wwwee_Click);
    connect(Combo1, &QComboBox::activated, this, &Form2::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &Form2::Combo2_Click);
    // A year typed and confirmed with Enter counts as picked.
    connect(Combo1->lineEdit(), &QLineEdit::returnPressed, this, &Form2::Combo1_Click);
    connect(File1, &PictureFileList::itemSelectionChanged, this, &Form2::File1_Click);
    // A click on the file already selected loads it again: it may have changed since.
    connect(File1, &PictureFileList::selectedEntryClicked, this, &Form2::File1_Click);
    auto* slotMouse = new MouseEvents(Picture16);
    connect(slotMouse, &MouseEvents::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF) { Picture16_MouseUp(button); });
    auto* previewMouse = new MouseEvents(Image1);
    connect(previewMouse, &MouseEvents::Click, this, &Form2::Image1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form2::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form2::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form2::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &Form2::Command9_Click);
    connect(Label7, &ClickZone::Click, this, &Form2::Label7_Click);
    connect(Label2, &ClickZone::Click, this, &Form2::Label2_Click);
    connect(Label9, &ClickZone::Click, this, &Form2::Label9_Click);
}

void Form2::Form_Load() {
    for (int i = 0; i < Years; ++i)
        Combo1->addItem(QString::number(FirstYear + i));
    // Picking 1965 refreshes at once, while the month list is still empty.
    Combo1->setCurrentIndex(65);
    Combo1_Click();
    Combo2->clear();
    Combo2->addItems(catalanMonthNames());
    Combo2->setCurrentIndex(0);
    Combo2_Click();
    Picture15->raise();
}

void Form2::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

void Form2::changeEvent(QEvent* event) {
    MainForm::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void Form2::Form_Activate() {
    // The window takes the keyboard; a control that had it keeps it.
    if (!focusWidget()) setFocus();
}

void Form2::Combo1_Click() {
    monthChosen();
}

void Form2::Combo2_Click() {
    monthChosen();
}

void Form2::monthChosen() {
    Text7 = monthLayout(Combo2->currentIndex() + 1, Combo1->currentText()).monthText;
    refrescar2();
    Text9[0]->setText(Combo2->currentText());
    Text9[1]->setText(Combo1->currentText());
}

void Form2::refrescar2() {
    const MonthLayout layout = monthLayout(Text7);
    Text6 = layout.firstDay;
    Lista1.clear();
    Lista2.clear();
    for (const CalendarDay& d : layout.days) {
        Lista1 << QString::number(d.day);
        Lista2 << d.column;
    }
    for (QLineEdit* cell : textdia)
        cell->hide();
    for (const CalendarDay& d : layout.days) {
        textdia[d.cell]->setText(dayText(d.day));
        textdia[d.cell]->show();
    }
}

void Form2::saasasa_Click() {
    ChoosePictureFolder(services, this, File1);
}

void Form2::wwwee_Click() {
    OpenWebSearchPage(services);
}

void Form2::File1_Click() {
    PreviewPictureFile(File1, Image1);
}

void Form2::Picture16_MouseUp(Qt::MouseButton button) {
    PlacePictureInFrame(Picture16, button, File1);
}

void Form2::Image1_Click() {
    PlacePictureInFrame(Picture16, Qt::LeftButton, File1);
}

void Form2::Command1_Click() {
    Shape6->showTint(Tint1.mode, Tint1.colour);
}
void Form2::Command2_Click() {
    Shape6->showTint(Tint2.mode, Tint2.colour);
}
void Form2::Command3_Click() {
    Shape6->showTint(Tint3.mode, Tint3.colour);
}
void Form2::Command4_Click() {
    Shape6->showTint(Tint4.mode, Tint4.colour);
}
void Form2::Command5_Click() {
    Shape6->showTint(Tint5.mode, Tint5.colour);
}
void Form2::Command6_Click() {
    Shape6->showTint(Tint6.mode, Tint6.colour);
}
void Form2::Command7_Click() {
    Shape6->hideTint();
}
void Form2::Command8_Click() {
    Shape6->showTint(Tint8.mode, Tint8.colour);
}
void Form2::Command9_Click() {
    Shape6->showTint(Tint9.mode, Tint9.colour);
}

Snapshot Form2::sheet() const {
    return {Picture17, nullptr, Picture7, 1, true};
}

void Form2::Label7_Click() {
    ExportPictureToWord(services, this, sheet(), OfficeDocument::Orientation::Landscape,
                        WordLayout::NormalWindow);
}

void Form2::Label2_Click() {
    EditPictureInPaint(services, this, sheet());
}

void Form2::Label9_Click() {
    OpenPictureInOfficeSuite(services, this, sheet());
}
