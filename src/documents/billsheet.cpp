#include "documents/billsheet.h"
#include "core/controls.h"
#include "core/errorbox.h"
#include "core/fonts.h"
#include "core/keycodes.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "documents/documenticons.h"
#include "workshop/handoff.h"
#include "workshop/picturetools.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

namespace {
const QColor BackColour(224, 224, 224);
const QColor TitleColour(255, 255, 192);
const QColor HeadingRuleColour(128, 128, 255);
const QColor TotalRuleColour(192, 192, 255);
constexpr int BoxHeight = 600;
constexpr int BarWidth = 475, BarHeight = 41; // the command bar's picture, in pixels

int rowTop(int row) {
    return 1290 + 630 * row;
}

QLineEdit* box(QWidget* sheet, const char* array, int index, int left, int top, int width) {
    const QByteArray name = QByteArray(array) + '_' + QByteArray::number(index);
    auto* b = control<QLineEdit>(sheet, name.constData(), left, top, width, BoxHeight);
    b->setFont(designFont("Courier New", 18));
    return b;
}

QLabel* heading(QWidget* sheet, int index, const QString& text, int left, int top, int width, int height,
                const QFont& font) {
    const QByteArray name = "Label1_" + QByteArray::number(index);
    auto* label = control<QLabel>(sheet, name.constData(), left, top, width, height);
    label->setText(text);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
} // namespace

COMPRAWWW::COMPRAWWW(Services& services) : Form(services) {
    setWindowTitle(caption());
    setFixedSize(twSize(ClientWidthTwips, ClientHeightTwips));
    setGround(this, BackColour);

    Picture1 = control<PictureBox>(this, "Picture1", 630, 360, 14085, 9495);
    Picture2 = control<PictureBox>(this, "Picture2", 630, 9945, 14085, 645);

    Line1[1] = new LineControl(Picture1, twPoint(645, 1215), twPoint(13500, 1215), HeadingRuleColour, 3);
    Line1[1]->setObjectName(QStringLiteral("Line1_1"));
    Line1[0] = new LineControl(Picture1, twPoint(660, 8820), twPoint(13515, 8820), TotalRuleColour);
    Line1[0]->setObjectName(QStringLiteral("Line1_0"));
    const QFont headingFont = designFont("Arial", 15.75);
    Label1[1] = heading(Picture1, 1, QStringLiteral("Concepte"), 990, 810, 1410, 390, headingFont);
    Label1[2] = heading(Picture1, 2, QStringLiteral("Preu"), 8940, 855, 1410, 390, headingFont);
    Label1[3] = heading(Picture1, 3, QStringLiteral("Nº"), 10485, 885, 1410, 390, headingFont);
    Label1[4] = heading(Picture1, 4, QStringLiteral("Total"), 11355, 870, 1410, 390, headingFont);
    Label1[0] = heading(Picture1, 0, QStringLiteral("Total (€)"), 9375, 8940, 1575, 450,
                        designFont("Arial", 18, true));

    // Made in the order Tab walks them: the title, then row by row.
    Text1[Title] = box(Picture1, "Text1", Title, 630, 150, 12870);
    for (int i = 0; i < Rows; ++i) {
        const int top = rowTop(i);
        Text1[size_t(i)] = box(Picture1, "Text1", i, i >= 6 && i <= 8 ? 630 : 645, top, 8190);
        Text2[size_t(i)] = box(Picture1, "Text2", i, i == 2 || i == 11 ? 8850 : 8865, top, 1545);
        Text3[size_t(i)] = box(Picture1, "Text3", i, 10425, top, 735);
        Text4[size_t(i)] = box(Picture1, "Text4", i, 11190, top, 2310);
    }
    total = control<QLineEdit>(Picture1, "total", 11175, 8835, 2310, BoxHeight);
    total->setFont(designFont("Courier New", 18));
    Picture4 = control<PictureBox>(Picture1, "Picture4", 13545, 1665, 1905, 1905);
    Picture4->hide();

    Label8 = control<ClickZone>(Picture2, "Label8", 105, 45, 585, 570);
    Label3 = control<ClickZone>(Picture2, "Label3", 855, 45, 585, 510);
    Label2 = control<ClickZone>(Picture2, "Label2", 1605, -15, 555, 585);
    Label4 = control<ClickZone>(Picture2, "Label4", 2985, 45, 675, 555);
    Label5 = control<ClickZone>(Picture2, "Label5", 3825, 75, 585, 585);
    Label6 = control<ClickZone>(Picture2, "Label6", 5625, 15, 570, 600);
    Label7 = control<ClickZone>(Picture2, "Label7", 6285, 90, 705, 540);

    Picture1->setBackColor(QGuiApplication::palette().color(QPalette::Base));
    QLineEdit* title = Text1[Title];
    title->setText(QStringLiteral("Full de Càlcul"));
    title->setFont(designFont("Courier New", 21.75, true));
    title->setAlignment(Qt::AlignCenter);
    setBackColour(title, TitleColour);
    for (QLineEdit* right : Text3)
        right->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLineEdit* right : Text4) {
        right->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        right->setReadOnly(true);
    }
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    total->setReadOnly(true);

    const QList<BarIconPlace> icons{
        {BarIcon::OfficeSuite, Label8->geometry()}, {BarIcon::Document, Label3->geometry()},
        {BarIcon::PicturePage, Label2->geometry()}, {BarIcon::BordersOff, Label4->geometry()},
        {BarIcon::BordersOn, Label5->geometry()},   {BarIcon::Eraser, Label6->geometry()},
        {BarIcon::Font, Label7->geometry()}};
    // The bar never changes: it is drawn once and shared by every opening.
    static const QImage bar = drawIconBar(QSize(BarWidth, BarHeight), icons);
    Picture2->setBackColor(bar.pixelColor(0, 0));
    Picture2->setPicture(bar);
    Label8->setToolTip(QStringLiteral("Obrir amb el paquet ofimàtic"));
    Label3->setToolTip(QStringLiteral("Document nou"));
    Label2->setToolTip(QStringLiteral("Editar el dibuix"));
    Label4->setToolTip(QStringLiteral("Sense vores"));
    Label5->setToolTip(QStringLiteral("Amb vores"));
    Label6->setToolTip(QStringLiteral("Esborrar"));
    Label7->setToolTip(QStringLiteral("Lletra"));
    for (ClickZone* zone : {Label8, Label3, Label2, Label4, Label5, Label6, Label7})
        zone->setCursor(Qt::PointingHandCursor);

    for (QLineEdit* b : Text1)
        b->installEventFilter(this);
    for (QLineEdit* b : Text2)
        b->installEventFilter(this);
    for (QLineEdit* b : Text3)
        b->installEventFilter(this);
    connect(Label2, &ClickZone::Click, this, &COMPRAWWW::Label2_Click);
    connect(Label3, &ClickZone::Click, this, &COMPRAWWW::Label3_Click);
    connect(Label4, &ClickZone::Click, this, &COMPRAWWW::Label4_Click);
    connect(Label5, &ClickZone::Click, this, &COMPRAWWW::Label5_Click);
    connect(Label6, &ClickZone::Click, this, &COMPRAWWW::Label6_Click);
    connect(Label7, &ClickZone::Click, this, &COMPRAWWW::Label7_Click);
    connect(Label8, &ClickZone::Click, this, &COMPRAWWW::Label8_Click);
}

void COMPRAWWW::Form_Unload(bool& cancel) {
    Q_UNUSED(cancel);
    services.state.clearActivityCode();
}

QList<QWidget*> COMPRAWWW::cells() const {
    QList<QWidget*> out;
    for (int i = 0; i < Rows; ++i)
        out << Text1[size_t(i)];
    for (const auto* column : {&Text2, &Text3, &Text4})
        for (QLineEdit* b : *column)
            out << b;
    return out;
}

QList<QLineEdit*> COMPRAWWW::borderedBoxes() const {
    QList<QLineEdit*> out;
    for (QWidget* cell : cells())
        out << static_cast<QLineEdit*>(cell);
    out << total << Text1[Title];
    return out;
}

void COMPRAWWW::Text1_KeyUp(int index, int keyCode) {
    // Enter in the title does nothing.
    if (keyCode == KeyEnter && index >= 0 && index < Rows) Text2[size_t(index)]->setFocus();
}

void COMPRAWWW::Text2_KeyUp(int index, int keyCode) {
    if (index < 0 || index >= Rows) return;
    if (keyCode == KeyBack)
        Text2[size_t(index)]->clear();
    else if (keyCode == KeyEnter)
        Text3[size_t(index)]->setFocus();
}

void COMPRAWWW::Text3_KeyUp(int index, int keyCode) {
    if (keyCode != KeyEnter || index < 0 || index >= Rows) return;
    bill::Sheet rows;
    for (int r = 0; r < Rows; ++r) {
        rows.prices[size_t(r)] = Text2[size_t(r)]->text();
        rows.quantities[size_t(r)] = Text3[size_t(r)]->text();
        rows.lineTotals[size_t(r)] = Text4[size_t(r)]->text();
    }
    // The user's own locale decides the decimal separator of prices and total.
    const std::optional<bill::RowEntry> entry = bill::enterQuantity(rows, index, QLocale());
    if (!entry) {
        showError(services, this);
        return;
    }
    for (int r = 0; r < Rows; ++r)
        Text4[size_t(r)]->setText(entry->lineTotals[size_t(r)]);
    Text2[size_t(index)]->setText(entry->price);
    total->setText(entry->total);
    // From the last row the next box is the title.
    Text1[size_t(index + 1)]->setFocus();
}

void COMPRAWWW::setBorders(bool on) {
    for (QLineEdit* b : borderedBoxes())
        b->setFrame(on);
}

void COMPRAWWW::Label4_Click() {
    setBorders(false);
}

void COMPRAWWW::Label5_Click() {
    setBorders(true);
}

void COMPRAWWW::Label6_Click() {
    for (int i = 0; i < Rows; ++i)
        for (QLineEdit* b : {Text1[size_t(i)], Text2[size_t(i)], Text3[size_t(i)], Text4[size_t(i)]})
            b->clear();
}

void COMPRAWWW::Label7_Click() {
    ChooseTextFont(services, this, cells());
}

Snapshot COMPRAWWW::sheet() const {
    return {Picture1, nullptr, Picture4, 1, true};
}

void COMPRAWWW::Label2_Click() {
    EditPictureInPaint(services, this, sheet());
}

void COMPRAWWW::Label3_Click() {
    ExportPictureToWord(services, this, sheet(), OfficeDocument::Orientation::Landscape,
                        WordLayout::Margins40);
}

void COMPRAWWW::Label8_Click() {
    OpenPictureInOfficeSuite(services, this, sheet());
}

bool COMPRAWWW::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            const int code = keyCode(*key);
            if (const int i = controlIndex(Text1, watched); i >= 0)
                Text1_KeyUp(i, code);
            else if (const int j = controlIndex(Text2, watched); j >= 0)
                Text2_KeyUp(j, code);
            else if (const int k = controlIndex(Text3, watched); k >= 0)
                Text3_KeyUp(k, code);
        }
    }
    return Form::eventFilter(watched, event);
}
