#include "shell/form1.h"
#include "core/basepanel.h"
#include "core/controls.h"
#include "core/folders.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "shell/bringtofront.h"

#include <QDir>
#include <QLayout>
#include <QMouseEvent>

form1::form1(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);
    client->setAutoFillBackground(true);
    // Moves over the bare background hand the focus back to the open activity (Form_MouseMove).
    client->setMouseTracking(true);
    client->installEventFilter(this);
    createMenus();

    Label5 = control<QLabel>(client, "Label5", -225, 9855, 15000, 7845);
    for (int i = 0; i < 2; ++i) {
        const int y = i == 0 ? 9900 : 10215;
        Line1[i] = new LineControl(client, twPoint(90, y), twPoint(15840, y), QColor(192, 192, 192));
        Line1[i]->setObjectName(QStringLiteral("Line1_%1").arg(i));
    }
    createPictureMenu();
    Label3 = control<QLabel>(client, "Label3");
    Label6 = control<QLabel>(client, "Label6");
    base = control<PictureBox>(client, "base");
    Frame1 = control<QFrame>(client, "Frame1");
    GRANDE = control<PictureBox>(Frame1, "GRANDE");

    Label5->setText(QStringLiteral("TALLER D'EXPERIÈNCIES, PROGRAMA GENERADOR"));
    // Designed wider than the window; kept within it so that its centred text is seen whole.
    Label5->setGeometry(Label5->geometry() & QRect(QPoint(0, 0), client->size()));
    QFont footer(QStringLiteral("Courier New"), 18);
    footer.setBold(true);
    Label5->setFont(footer);
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label5->setAttribute(Qt::WA_TranslucentBackground);
    // The footer is a control of its own: moves over it are not moves over the background.
    Label5->setAttribute(Qt::WA_NoMousePropagation);
    Label3->hide();
    Label6->hide();
    base->setAutoSize(true);
    base->setPicture(drawBasePanel());
    base->hide();
    Frame1->hide();
    GRANDE->setAutoSize(true);

    connect(&services.state, &SharedState::activityCodeChanged, this, &form1::showActivityCode);
    connect(&services.state, &SharedState::speechFlagChanged, this,
            [this](int flag) { Label6->setText(QString::number(flag)); });

    createSystemMembers();
}

void form1::showActivityCode(int code) {
    Label3->setText(code ? QString::number(code) : QString());
}

void form1::Form_Load() {
    QPalette footer = Label5->palette();
    footer.setColor(QPalette::WindowText, QColor(142, 144, 159));
    Label5->setPalette(footer);

    QPalette background = client->palette();
    background.setColor(QPalette::Window, backColour());
    client->setPalette(background);
    setPalette(background);

    move(0, 0);

    // Loading the main window starts its shared state afresh (also when it is loaded again).
    services.state.reset();
    showActivityCode(services.state.ActivityCode());
    Label6->setText(services.state.speechFlagText());

    // The scratch folder TEMPORALS: created when missing; nothing depends on it existing.
    QDir().mkpath(services.inScratchFolder(QStringLiteral("TEMPORALS")));
}

bool form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client && event->type() == QEvent::MouseMove) Form_MouseMove();
    return MainForm::eventFilter(watched, event);
}

void form1::Form_MouseMove() {
    const auto isOpen = [this](const QString& name) {
        const QWidget* w = services.forms.loaded(name);
        return w && w->isVisible() && w->isEnabled();
    };
    // Code 2 may name two open windows: both come forward in turn and the last one is activated,
    // which ends as focusing each in turn would, without flashing the first on every move.
    const QStringList names = windowsToFocus(services.state.ActivityCode(), isOpen);
    for (const QString& name : names) {
        QWidget* w = services.forms.loaded(name);
        if (w->isMinimized()) w->showNormal();
        w->raise();
    }
    if (!names.isEmpty()) services.forms.loaded(names.last())->activateWindow();
}
