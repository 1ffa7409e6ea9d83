// The picture menu of the main window: a picture of every activity; pointing at one names it in
// the hover line, releasing any mouse button on it opens its window and records its code.
#include "core/controls.h"
#include "core/mouseevents.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "shell/form1.h"
#include "shell/openactivity.h"
#include "shell/picturemenu/picturemenu.h"
#include "shell/picturemenu/picturemenuimages.h"

namespace pm = picturemenu;

void form1::createPictureMenu() {
    const QRect menu = pm::Picture7Twips;
    Picture7 = control<PictureBox>(client, "Picture7");
    Picture7->move(twPoint(menu.x(), menu.y()));
    Picture7->setAutoSize(true);
    Picture7->setPicture(pictureMenuImage());
    auto* menuMouse = new MouseEvents(Picture7);
    connect(menuMouse, &MouseEvents::MouseMove, this, &form1::Picture7_MouseMove);

    Picture9 = control<PictureBox>(Picture7, "Picture9");
    Picture9->setGeometry(pm::picture9Rect());
    Picture9->setPicture(letterOrderingImage());
    new MouseEvents(Picture9); // outside its zone it does nothing, and passes nothing on

    Picture10 = control<PictureBox>(Picture7, "Picture10");
    Picture10->setGeometry(pm::picture10Rect());
    Picture10->setPicture(pictureWordSearchImage());
    auto* extraMouse = new MouseEvents(Picture10);
    connect(extraMouse, &MouseEvents::MouseMove, this, &form1::Picture10_MouseMove);
    connect(extraMouse, &MouseEvents::Click, this, &form1::Picture10_Click);

    for (int i = 0; i < pm::ZoneCount; ++i) {
        QWidget* container = i == pm::LetterOrderingZone ? Picture9 : Picture7;
        QLabel* zone = new QLabel(container);
        zone->setObjectName(QStringLiteral("Label8_%1").arg(i));
        zone->setGeometry(pm::zoneRect(i));
        zone->setAttribute(Qt::WA_TranslucentBackground);
        auto* mouse = new MouseEvents(zone);
        connect(mouse, &MouseEvents::MouseMove, this,
                [this, i](Qt::MouseButtons b, Qt::KeyboardModifiers s, QPointF p) {
                    Label8_MouseMove(i, b, s, p);
                });
        connect(
            mouse, &MouseEvents::MouseUp, this,
            [this, i](Qt::MouseButton b, Qt::KeyboardModifiers s, QPointF p) { Label8_MouseUp(i, b, s, p); });
        Label8[i] = zone;
    }

    // Neighbouring zones overlap by a few pixels: each control takes the mouse only over the
    // points that belong to it, so every point answers for exactly one activity.
    const QPoint inPicture9 = -pm::picture9Rect().topLeft();
    for (int i = 0; i < pm::ZoneCount; ++i) {
        const QPoint origin = i == pm::LetterOrderingZone ? Label8[i]->pos() - inPicture9 : Label8[i]->pos();
        Label8[i]->setMask(pm::ownedRegion(i).translated(-origin));
    }
    Picture10->setMask(pm::ownedRegion(pm::ExtraIcon).translated(-Picture10->pos()));
    QRegion picture9Own(pm::picture9Rect());
    for (int i = 0; i < pm::AreaCount; ++i)
        if (i != pm::LetterOrderingZone) picture9Own -= pm::ownedRegion(i);
    Picture9->setMask(picture9Own.translated(inPicture9));

    const QRect hover = pm::Label7Twips;
    Label7 = control<QLabel>(Picture7, "Label7", hover.x(), hover.y(), hover.width(), hover.height());
    QFont font(QStringLiteral("Courier New"), 18);
    font.setBold(true);
    Label7->setFont(font);
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label7->setAttribute(Qt::WA_TranslucentBackground);
    QPalette text = Label7->palette();
    text.setColor(QPalette::WindowText, QColor(64, 64, 64));
    Label7->setPalette(text);
    new MouseEvents(Label7); // pointing at the hover line changes nothing
}

void form1::Label8_MouseMove(int Index, Qt::MouseButtons, Qt::KeyboardModifiers, QPointF) {
    Label7->setText(pm::hoverText(Index));
}

void form1::Label8_MouseUp(int Index, Qt::MouseButton, Qt::KeyboardModifiers, QPointF) {
    if (Index < 0 || Index >= pm::ZoneCount) return;
    const pm::Zone& zone = pm::zones()[Index];
    openActivity(services, pm::windowName(Index), zone.code, zone.first);
}

void form1::Picture7_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPointF) {
    Label7->clear();
}

void form1::Picture10_Click() {
    services.forms.show(pm::windowName(pm::ExtraIcon));
}

void form1::Picture10_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPointF) {
    Label7->setText(pm::hoverText(pm::ExtraIcon));
}
