// The fill-the-blanks player's text tools: fonts, sizes and colours of the text boxes, the gapped
// text handed to the desktop's text editor for printing, and speech of the full text.
#include "core/controls.h"
#include "core/errorbox.h"
#include "core/mouseevents.h"
#include "core/recordfile.h"
#include "core/scratchtext.h"
#include "core/services.h"
#include "core/tata.h"
#include "core/twips.h"
#include "platform/launcher.h"
#include "textwork/gaptextbox.h"
#include "textwork/player.h"
#include "textwork/playertoolrules.h"
#include "workshop/picturetools.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>

namespace {
const char* const ZoneFonts[4] = {"Arial", "Courier New", "Comic Sans MS", "Times New Roman"};

void setFamily(QWidget* box, const QString& family) {
    QFont f = box->font();
    f.setFamily(family);
    box->setFont(f);
}

void setPoints(QWidget* box, double points) {
    QFont f = box->font();
    f.setPointSizeF(points);
    box->setFont(f);
}

ClickZone* toolZone(QWidget* toolbar, const char* name, int left, int top, int width, int height) {
    auto* z = control<ClickZone>(toolbar, name, left, top, width, height);
    z->setCursor(Qt::PointingHandCursor);
    return z;
}
} // namespace

void Form14::makeTools() {
    const int fontLefts[4] = {1575, 1125, 675, 225};
    const int fontTops[4] = {765, 765, 765, 810};
    const int fontWidths[4] = {510, 465, 375, 420};
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "Label22_" + QByteArray::number(i);
        Label22[i] = toolZone(Picture1, name.constData(), fontLefts[i], fontTops[i], fontWidths[i], 555);
        connect(Label22[i], &ClickZone::Click, this, [this, i] { Label22_Click(i); });
    }
    Label23 = toolZone(Picture1, "Label23", 225, 1350, 375, 465);
    Label24 = toolZone(Picture1, "Label24", 675, 1305, 375, 465);
    Label26 = toolZone(Picture1, "Label26", 1665, 1350, 420, 555);
    connect(Label23, &ClickZone::Click, this, &Form14::Label23_Click);
    connect(Label24, &ClickZone::Click, this, &Form14::Label24_Click);
    connect(Label26, &ClickZone::Click, this, &Form14::Label26_Click);
    // The zones are children of the toolbar, so the toolbar only hears the points they leave free.
    connect(new MouseEvents(Picture1), &MouseEvents::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF pos) {
                Picture1_MouseUp(button, pos);
            });

    connect(Combo3, &QComboBox::activated, this, &Form14::Combo3_Click);
    Picture10 = control<PictureBox>(Frame4, "Picture10", 6390, 150, 1320, 375);
    Picture10->setPicture(playertools::penStripImage());
    connect(new MouseEvents(Picture10), &MouseEvents::MouseUp, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF pos) { Picture10_MouseUp(pos); });
    Picture2 = control<PictureBox>(Frame4, "Picture2", 7920, 180, 2835, 315);
    Picture2->setPicture(playertools::groundStripImage());
    connect(new MouseEvents(Picture2), &MouseEvents::MouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF pos) { Picture2_MouseDown(pos); });
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "Picture3_" + QByteArray::number(i);
        Picture3[i] = control<PictureBox>(Frame4, name.constData(), i == 1 ? 4710 : 4680, 240, 1410, 270);
        Picture3[i]->setPicture(playertools::sizeMarkerImage(i));
        Picture3[i]->hide();
        connect(new MouseEvents(Picture3[i]), &MouseEvents::Click, this, [this, i] { Picture3_Click(i); });
    }
    const int sizeLefts[4] = {4740, 5070, 5370, 5700};
    PictureBox** sizeZones[4] = {&Picture6, &Picture7, &Picture8, &Picture9};
    const char* sizeNames[4] = {"Picture6", "Picture7", "Picture8", "Picture9"};
    for (int i = 0; i < 4; ++i) {
        *sizeZones[i] = control<PictureBox>(Frame4, sizeNames[i], sizeLefts[i], i == 3 ? 180 : 150, 315, 345);
        connect(new MouseEvents(*sizeZones[i]), &MouseEvents::Click, this, [this, i] { showSizeMarker(i); });
    }
    connect(new MouseEvents(Picture5), &MouseEvents::MouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF) { Picture5_MouseDown(); });
}

void Form14::Label22_Click(int Index) {
    if (Index < 0 || Index > 3) return;
    const QString family = QString::fromLatin1(ZoneFonts[Index]);
    setFamily(Text1, family);
    setFamily(Text3, family);
}

void Form14::Combo3_Click() {
    Label12->setText(Combo3->currentText());
    setFamily(Text1, Label12->text());
    setFamily(Text2, Label12->text());
}

void Form14::setGappedFont(const QString& family) {
    setFamily(Text1, family);
}

void Form14::SetGappedFontCourier() {
    setGappedFont(QStringLiteral("Courier New"));
}

void Form14::SetGappedFontArial() {
    setGappedFont(QStringLiteral("Arial"));
}

void Form14::SetGappedFontComic() {
    setGappedFont(QStringLiteral("Comic Sans MS"));
}

void Form14::SetGappedFontTimes() {
    setGappedFont(QStringLiteral("Times New Roman"));
}

void Form14::Label23_Click() {
    setPoints(Text1, playertools::largerSize(Text1->font().pointSizeF()));
}

void Form14::Label24_Click() {
    setPoints(Text1, playertools::smallerSize(Text1->font().pointSizeF()));
}

void Form14::showSizeMarker(int k) {
    for (PictureBox* marker : Picture3)
        marker->hide();
    Picture3[k]->show();
    setPoints(Text1, playertools::ZoneSizes[k]);
}

void Form14::Picture1_MouseUp(Qt::MouseButton Button, QPointF pos) {
    if (Button != Qt::LeftButton && Button != Qt::RightButton) return;
    const std::optional<QColor> colour = PickPaletteColour(Picture1, pos);
    if (!colour) return;
    if (Button == Qt::LeftButton)
        setTextColour(Text1, *colour);
    else
        setBackColour(Text1, *colour);
}

void Form14::Picture10_MouseUp(QPointF pos) {
    setTextColour(Text1, playertools::penColour(toTwips(int(pos.x()))));
}

void Form14::Picture2_MouseDown(QPointF pos) {
    setBackColour(Text1, playertools::groundColour(toTwips(int(pos.x()))));
}

void Form14::Label26_Click() {
    if (!openScratchText(services, QStringLiteral("escrit.txt"),
                         playertools::handOffBytes(Text1->toPlainText())))
        showError(services, this);
}

void Form14::Picture3_Click(int Index) {
    Q_UNUSED(Index);
    SpeakText(services, Text2->toPlainText());
}

void Form14::Picture5_MouseDown() {
    Label14->setText(QStringLiteral("1"));
}

void Form14::GappedCaretToStart() {
    QTextCursor caret = Text1->textCursor();
    caret.setPosition(0);
    Text1->setTextCursor(caret);
}
