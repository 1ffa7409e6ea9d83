// The caption tools of the comic strip window: they act on all eighteen caption boxes at once.
#include "comicstrip/form6.h"
#include "core/controls.h"
#include "core/fonts.h"
#include "workshop/picturetools.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <iterator>

using namespace comicstrip;

namespace {
constexpr int KeyEnter = 13;
const char* const ZoneFonts[] = {"Arial", "Zahareña", "Comic Sans MS", "Courier New"};

// A box's font size changed by step, unless that leaves the sizes a caption may take.
void stepSize(QWidget* box, qreal step) {
    QFont f = box->font();
    if (const std::optional<double> size = steppedPointSize(f.pointSizeF(), step)) {
        f.setPointSizeF(*size);
        box->setFont(f);
    }
}

void setFamily(QWidget* box, const QString& family) {
    QFont f = box->font();
    f.setFamily(family);
    box->setFont(f);
}
} // namespace

void Form6::setBorders(bool on) {
    for (int i = 0; i < Panels; ++i) {
        PINTA[i]->setFrameShape(on ? QFrame::StyledPanel : QFrame::NoFrame);
        Text3[i]->setFrame(on);
    }
}

void Form6::Label10_Click() {
    setBorders(true);
}

void Form6::Label11_Click() {
    setBorders(false);
}

void Form6::stepFontSizes(qreal step) {
    for (int i = 0; i < Panels; ++i) {
        stepSize(Text3[i], step);
        stepSize(PINTA[i], step);
    }
}

void Form6::Label13_Click() {
    stepFontSizes(3);
}

void Form6::Label14_Click() {
    stepFontSizes(-1);
}

void Form6::setFontNames(const QString& family) {
    for (int i = 0; i < Panels; ++i) {
        setFamily(Text3[i], family);
        setFamily(PINTA[i], family);
    }
}

void Form6::Label15_Click(int Index) {
    if (Index < 0 || Index >= int(std::size(ZoneFonts))) return;
    setFontNames(QString::fromUtf8(ZoneFonts[Index]));
    if (Index != 0) return;
    QList<QWidget*> targets;
    for (int i = 0; i < Panels; ++i)
        targets << Text3[i] << PINTA[i];
    ChooseTextFont(services, this, targets);
}

void Form6::showCaptionSet(bool second) {
    for (int i = 0; i < Panels; ++i) {
        PINTA[i]->setVisible(second);
        Text3[i]->setVisible(!second);
    }
}

void Form6::Label16_Click() {
    showCaptionSet(true);
}

void Form6::Label17_Click() {
    showCaptionSet(false);
}

void Form6::Label18_Click() {
    for (int i = 0; i < Panels; ++i) {
        ESCRIU[i]->setPicture(QImage());
        Text3[i]->clear();
        PINTA[i]->clear();
    }
}

void Form6::Picture3_MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers, QPointF pos) {
    if (Button != Qt::LeftButton && Button != Qt::RightButton) return;
    // A release dragged off the palette has no colour under it and changes nothing.
    const std::optional<QColor> colour = PickPaletteColour(Picture3, pos);
    if (!colour) return;
    for (int i = 0; i < Panels; ++i) {
        for (QWidget* box : {static_cast<QWidget*>(PINTA[i]), static_cast<QWidget*>(Text3[i])}) {
            if (Button == Qt::LeftButton)
                setTextColour(box, *colour);
            else
                setBackColour(box, *colour);
        }
    }
}

void Form6::Text3_KeyUp(int Index, int KeyCode) {
    if (KeyCode == KeyEnter && Index + 1 < Panels) Text3[Index + 1]->setFocus();
}

void Form6::PINTA_KeyUp(int Index, int KeyCode) {
    // The box being left keeps the line break Enter typed.
    if (KeyCode == KeyEnter && Index + 1 < Panels) PINTA[Index + 1]->setFocus();
}
