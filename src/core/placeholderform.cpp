#include "core/placeholderform.h"
#include "core/controls.h"
#include "core/sharedstate.h"

PlaceholderForm::PlaceholderForm(Services& services, const QString& caption) : Form(services) {
    setWindowTitle(caption);
    setFixedSize(twSize(7200, 2700));
    Label1 = control<QLabel>(this, "Label1");
    Label1->setText(QStringLiteral("En preparació."));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(rect());
    QFont font(QStringLiteral("Courier New"), 14);
    font.setBold(true);
    Label1->setFont(font);
}

void PlaceholderForm::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

void addPlaceholderForm(Forms& forms, const QString& name, const QString& caption) {
    forms.addFactory(name, [caption](Services& s) -> QWidget* { return new PlaceholderForm(s, caption); });
}
