// The main window's system items: the display-mode switch and the clipboard picture capture.
#include "core/controls.h"
#include "core/twips.h"
#include "shell/clipboardcapture.h"
#include "shell/displaymodedialogs.h"
#include "shell/form1.h"

#include <QClipboard>
#include <QGuiApplication>

void form1::createSystemMembers() {
    capture_ = std::make_unique<ClipboardCapture>(services.random, services.programFolder);

    // Runs only while the capture is on: there is nothing to look at while it is off.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(ClipboardCapture::IntervalMs);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &form1::Timer1_Timer);

    Picture1 = control<PictureBox>(client, "Picture1", 0, 0, 10590, 7845);
    Picture1->hide();
}

void form1::POL1_Click() {
    switchDisplayMode(QStringLiteral("resolucion"));
}

void form1::POL2_Click() {
    switchDisplayMode(QStringLiteral("resolucion2"));
}

void form1::ACSI_Click() {
    setClipboardCapture(true);
}

void form1::ACNO_Click() {
    setClipboardCapture(false);
}

bool form1::clipboardCaptureOn() const {
    return ACSI->isChecked();
}

void form1::setClipboardCapture(bool on) {
    // Choosing a checked item unchecks it on its own: the pair is set explicitly every time.
    ACSI->setChecked(on);
    ACNO->setChecked(!on);
    if (!on)
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start();
}

void form1::Timer1_Timer() {
    if (!clipboardCaptureOn()) return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    const auto taken = capture_->takeFrom(*clipboard, Picture1->size(), Picture1->BackColor());
    if (!taken.picture.isNull()) Picture1->setPicture(taken.picture);
}

void form1::Form_Unload(bool&) {
    // A closed main window takes no more pictures, even before it is gone.
    Timer1->stop();
}

void form1::switchDisplayMode(const QString& dialog) {
    Forms& forms = services.forms;
    // Loaded without being shown: it does all its work while it loads.
    forms.get(dialog);
    forms.unload(dialog);
    // This window goes (deleted once the event loop runs again); a fresh one takes its place.
    forms.unload(QStringLiteral("form1"));
    forms.show(QStringLiteral("form1"));
}
