#include "wordgames/spellcheck.h"
#include "core/basepanel.h"
#include "core/controls.h"
#include "core/errorbox.h"
#include "core/sharedstate.h"
#include "platform/dialogs.h"
#include "platform/spellchecker.h"
#include "wordgames/spellingdialog.h"
#include "wordgames/spellingwords.h"

#include <QPlainTextEdit>
#include <QPushButton>

dicci::dicci(Services& services) : Form(services) {
    setWindowTitle(caption());
    setFixedSize(twSize(WidthTwips, HeightTwips));
    Picture1 = control<PictureBox>(this, "Picture1", 0, 0, WidthTwips, HeightTwips);
    Text1 = control<QPlainTextEdit>(Picture1, "Text1", 450, 450, 11730, 6600);
    Command2 = control<QPushButton>(Picture1, "Command2", 450, 7350, 3600, 750);

    QFont text(QStringLiteral("Courier New"), 36);
    Text1->setFont(text);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Command2->setText(QStringLiteral("CORRECTOR"));
    QFont button(QStringLiteral("Arial"));
    button.setPointSizeF(15.75);
    button.setBold(true);
    Command2->setFont(button);
    connect(Command2, &QPushButton::clicked, this, &dicci::Command2_Click);
}

void dicci::Form_Load() {
    Picture1->setAutoSize(true);
    Picture1->setPicture(drawBasePanel());
}

void dicci::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

void dicci::Command2_Click() {
    const QString text = Text1->toPlainText();
    if (text.trimmed().isEmpty()) return;
    // Without a dictionary every word would look wrong, and a silent return would look like a
    // text without mistakes.
    if (!services.spelling.hasDictionary()) {
        showError(services, this);
        return;
    }
    SpellingWalk walk(text, services.spelling);
    if (!walk.next()) {
        services.dialogs.message(this, QStringLiteral("No s'ha trobat cap falta d'ortografia."),
                                 QStringLiteral("Taudrin"));
        return;
    }
    SpellingDialog dialog(this, Text1, walk, services.spelling);
    dialog.exec();
}
