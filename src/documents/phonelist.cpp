#include "documents/phonelist.h"
#include "core/controls.h"
#include "core/fonts.h"
#include "core/keycodes.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "documents/documenticons.h"
#include "workshop/handoff.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

namespace {
const QColor BackColour(224, 224, 224);
const QColor RowRuleColour(192, 192, 255);
const QColor FirstColumnRuleColour(224, 224, 224);
const QColor SecondColumnRuleColour(192, 192, 192);

constexpr int RowTops[Form11::Rows] = {30, 645, 1245, 1860, 2475, 3090, 3690, 4305, 4905, 5520, 6120, 6750};
constexpr int RuleTops[Form11::Rows] = {0, 600, 1215, 1815, 2445, 3060, 3660, 4275, 4875, 5490, 6090, 6705};
constexpr int RowHeight = 570;

QLineEdit* rowBox(QWidget* grid, const char* array, int index, int left, int width) {
    const QByteArray name = QByteArray(array) + '_' + QByteArray::number(index);
    auto* box = control<QLineEdit>(grid, name.constData(), left, RowTops[index], width, RowHeight);
    box->setFont(designFont("Courier New", 20.25));
    box->setFrame(false);
    return box;
}

LineControl* rule(QWidget* parent, const QByteArray& name, QPoint from, QPoint to, const QColor& colour) {
    auto* line = new LineControl(parent, from, to, colour);
    line->setObjectName(QString::fromLatin1(name));
    line->lower(); // under the boxes, between them
    return line;
}
} // namespace

Form11::Form11(Services& services) : Form(services) {
    setWindowTitle(caption());
    setFixedSize(twSize(ClientWidthTwips, ClientHeightTwips));
    setGround(this, BackColour);

    Picture2 = control<PictureBox>(this, "Picture2", 495, 495, 14310, 8745);
    Text2 = control<QLineEdit>(Picture2, "Text2", 555, 135, 10080, 705);
    Label1[0] = control<QLabel>(Picture2, "Label1_0", 630, 915, 3225, 465);
    Label1[1] = control<QLabel>(Picture2, "Label1_1", 5895, 930, 3225, 465);
    Label1[2] = control<QLabel>(Picture2, "Label1_2", 11535, 870, 3225, 465);
    Picture1 = control<PictureBox>(Picture2, "Picture1", 435, 1335, 13500, 7755);
    for (int i = 0; i < Rows; ++i) {
        NOM[size_t(i)] = rowBox(Picture1, "NOM", i, 45, 5235);
        carrer[size_t(i)] = rowBox(Picture1, "carrer", i, 5385, 5730);
        TELEFON[size_t(i)] = rowBox(Picture1, "TELEFON", i, 11175, 2205);
    }
    Line3[0] = rule(Picture1, "Line3_1", twPoint(5340, 0), twPoint(5340, 7320), FirstColumnRuleColour);
    Line3[1] = rule(Picture1, "Line3_2", twPoint(11130, 15), twPoint(11130, 7335), SecondColumnRuleColour);
    for (int i = 0; i < Rows; ++i)
        Line2[size_t(i)] = rule(Picture1, "Line2_" + QByteArray::number(i), twPoint(30, RuleTops[i]),
                                twPoint(13320, RuleTops[i]), RowRuleColour);
    Text1 = control<QLineEdit>(Picture2, "Text1", 3105, 8265, 7860, 540);
    Picture3 = control<PictureBox>(this, "Picture3", 10350, 9315, 3945, 630);
    Label3 = control<ClickZone>(Picture3, "Label3", 315, 45, 885, 615);
    Label4 = control<ClickZone>(Picture3, "Label4", 1215, 0, 1065, 600);
    Label2 = control<ClickZone>(Picture3, "Label2", 2445, 30, 1215, 510);
    Picture4 = control<PictureBox>(this, "Picture4", -360, 9495, 7620, 4785);
    Picture4->hide();

    Picture2->setBackColor(QGuiApplication::palette().color(QPalette::Base));
    Picture1->setBackColor(Qt::white);
    Text2->setText(QStringLiteral("Títol-notes"));
    Text2->setFont(designFont("Courier New", 26.25));
    Text2->setFrame(false);
    const QStringList headings{QStringLiteral("NOM-COGNOMS"), QStringLiteral("ADREÇA"),
                               QStringLiteral("TELÈFON")};
    for (int i = 0; i < 3; ++i) {
        Label1[size_t(i)]->setText(headings[i]);
        Label1[size_t(i)]->setFont(designFont("Courier New", 20.25, true));
        Label1[size_t(i)]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    Text1->setText(QStringLiteral("Título-notes..."));
    Text1->setFont(designFont("MS Sans Serif", 18));
    Text1->setFrame(false);

    // The bar never changes: it is drawn once and shared by every opening.
    static const QImage bar = drawIconBar(Picture3->size(), {{BarIcon::OfficeSuite, Label3->geometry()},
                                                             {BarIcon::Document, Label4->geometry()},
                                                             {BarIcon::PaintPot, Label2->geometry()}});
    Picture3->setPicture(bar);
    Label3->setToolTip(QStringLiteral("Obrir amb el paquet ofimàtic"));
    Label4->setToolTip(QStringLiteral("Document nou"));
    Label2->setToolTip(QStringLiteral("Editar el dibuix"));
    for (ClickZone* zone : {Label3, Label4, Label2})
        zone->setCursor(Qt::PointingHandCursor);
    Picture4->setBackColor(Qt::white);

    for (int i = 0; i < Rows; ++i)
        for (QLineEdit* box : {NOM[size_t(i)], carrer[size_t(i)], TELEFON[size_t(i)]})
            box->installEventFilter(this);
    connect(Label2, &ClickZone::Click, this, &Form11::Label2_Click);
    connect(Label3, &ClickZone::Click, this, &Form11::Label3_Click);
    connect(Label4, &ClickZone::Click, this, &Form11::Label4_Click);
}

void Form11::Form_Unload(bool& cancel) {
    Q_UNUSED(cancel);
    services.state.clearActivityCode();
}

void Form11::NOM_KeyUp(int Index, int KeyCode) {
    if (KeyCode == KeyEnter && Index >= 0 && Index < Rows) carrer[size_t(Index)]->setFocus();
}

void Form11::carrer_KeyUp(int Index, int KeyCode) {
    if (KeyCode == KeyEnter && Index >= 0 && Index < Rows) TELEFON[size_t(Index)]->setFocus();
}

void Form11::TELEFON_KeyUp(int Index, int KeyCode) {
    // The last row has no next row: the focus stays.
    if (KeyCode == KeyEnter && Index >= 0 && Index + 1 < Rows) NOM[size_t(Index + 1)]->setFocus();
}

Snapshot Form11::page() const {
    return {Picture2, nullptr, Picture4, 1, false};
}

void Form11::Label2_Click() {
    EditPictureInPaint(services, this, page());
}

void Form11::Label3_Click() {
    OpenPictureInOfficeSuite(services, this, page());
}

void Form11::Label4_Click() {
    ExportPictureToWord(services, this, page(), OfficeDocument::Orientation::Portrait, WordLayout::Margins40);
}

bool Form11::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            const int code = keyCode(*key);
            if (const int i = controlIndex(NOM, watched); i >= 0)
                NOM_KeyUp(i, code);
            else if (const int j = controlIndex(carrer, watched); j >= 0)
                carrer_KeyUp(j, code);
            else if (const int k = controlIndex(TELEFON, watched); k >= 0)
                TELEFON_KeyUp(k, code);
        }
    }
    return Form::eventFilter(watched, event);
}
