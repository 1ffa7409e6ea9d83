#include "workshop/form16.h"
#include "core/controls.h"
#include "core/mouseevents.h"
#include "core/sharedstate.h"
#include "workshop/handoff.h"
#include "workshop/picturetools.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

Form16::Form16(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeMaximizedClient(this, ClientWidthTwips, ClientHeightTwips, Qt::white);

    SS = menuBarItem(this, "SS", QStringLiteral("NETEJAR"));
    WEEE = menuBarItem(this, "WEEE", QStringLiteral("COMPLETAR"));
    RRRRT = menuBarItem(this, "RRRRT", QStringLiteral("MAYÚS"));
    YYYYYYU = menuBarItem(this, "YYYYYYU", QStringLiteral("MINÚSC"));
    IIIO = menuBarItem(this, "IIIO", QStringLiteral("FONTS"));
    DDDF = menuBar()->addMenu(QStringLiteral("EXPORTAR"));
    DDDF->setObjectName(QStringLiteral("DDDF"));
    WEEEE = DDDF->addAction(QStringLiteral("PAINT"));
    WEEEE->setObjectName(QStringLiteral("WEEEE"));
    WQQQ = DDDF->addAction(QStringLiteral("WRITE'OFICCE"));
    WQQQ->setObjectName(QStringLiteral("WQQQ"));

    Picture1 = control<PictureBox>(client, "Picture1", 2520, 180, 10365, 10050);
    Picture1->setBackColor(Qt::white);
    Text2 = makeGridBoxes(Picture1, client, {315, 45, 13860, 135}, QStringLiteral("A"));
    Picture2 = control<PictureBox>(client, "Picture2", 1080, 270, 1275, 1815);
    Picture2->setAutoSize(true);
    Picture2->setPicture(drawWordSearchPalette());
    Picture3 = control<PictureBox>(Picture2, "Picture3", 720, 1350, 420, 285);
    Picture3->setBackColor(ColourBoxColour);
    Picture4 = control<PictureBox>(client, "Picture4", 0, 0, 195, 960);
    Picture4->hide();

    for (QLineEdit* box : Text2) {
        if (!box) continue;
        box->setContextMenuPolicy(Qt::NoContextMenu); // the right button chooses the direction
        box->installEventFilter(this);
    }
    auto* paletteMouse = new MouseEvents(Picture2);
    connect(paletteMouse, &MouseEvents::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF pos) {
                Picture2_MouseUp(button, pos);
            });
    new MouseEvents(Picture3); // a release on the colour box picks nothing

    connect(SS, &QAction::triggered, this, &Form16::SS_Click);
    connect(WEEE, &QAction::triggered, this, &Form16::WEEE_Click);
    connect(RRRRT, &QAction::triggered, this, &Form16::RRRRT_Click);
    connect(YYYYYYU, &QAction::triggered, this, &Form16::YYYYYYU_Click);
    connect(IIIO, &QAction::triggered, this, &Form16::IIIO_Click);
    connect(WEEEE, &QAction::triggered, this, &Form16::WEEEE_Click);
    connect(WQQQ, &QAction::triggered, this, &Form16::WQQQ_Click);
}

void Form16::Form_Load() {
    clearGrid(Text2);
}

void Form16::Form_Unload(bool& cancel) {
    Q_UNUSED(cancel);
    services.state.clearActivityCode();
}

void Form16::SS_Click() {
    clearGrid(Text2);
}

void Form16::WEEE_Click() {
    completeGrid(Text2, Picture3->BackColor(), services.random);
}

void Form16::RRRRT_Click() {
    changeGridCase(Text2, true);
}

void Form16::YYYYYYU_Click() {
    changeGridCase(Text2, false);
}

void Form16::IIIO_Click() {
    ChooseTextFont(services, this, letterBoxes(Text2));
}

void Form16::WEEEE_Click() {
    EditPictureInPaint(services, this, Snapshot{Picture1, nullptr, Picture4, 1, true});
}

void Form16::WQQQ_Click() {
    OpenPictureInOfficeSuite(services, this, Snapshot{Picture1, nullptr, Picture4, 1, true});
}

void Form16::Picture2_MouseUp(Qt::MouseButton button, QPointF pos) {
    Q_UNUSED(button);
    if (const auto colour = PickPaletteColour(Picture2, pos)) colourGrid(Text2, *colour);
}

void Form16::Text2_MouseUp(int index, Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        Label1 = index;
        Label2 = 0;
    } else if (button == Qt::RightButton) {
        Label2 = index;
    }
}

void Form16::Text2_KeyUp(int index, int keyCode) {
    QLineEdit* box = Text2[static_cast<std::size_t>(index)];
    setTextColour(box, Picture3->BackColor());
    if (keyCode != Qt::Key_Return && keyCode != Qt::Key_Enter) return;
    const auto target = WordSearchGrid::enterStep(index, WordSearchGrid::direction(Label1, Label2));
    if (!target) return;
    QLineEdit* next = Text2[static_cast<std::size_t>(*target)];
    next->setFocus(Qt::OtherFocusReason);
    // The next letter replaces what a cell held; the title is written on, not replaced whole.
    if (*target == WordSearchGrid::Title)
        next->end(false);
    else
        next->selectAll();
}

int Form16::boxIndex(const QObject* box) const {
    for (std::size_t i = 0; i < Text2.size(); ++i)
        if (Text2[i] == box) return static_cast<int>(i);
    return -1;
}

bool Form16::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int index = boxIndex(watched);
        if (index >= 0 && !key->isAutoRepeat()) Text2_KeyUp(index, key->key());
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int index = boxIndex(watched);
        if (index >= 0) Text2_MouseUp(index, mouse->button());
    }
    return MainForm::eventFilter(watched, event);
}
