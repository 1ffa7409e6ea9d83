#include "shell/displaymodedialogs.h"
#include "core/controls.h"
#include "shell/displaymodetext.h"

DisplayModeDialog::DisplayModeDialog(Services& services, QSize target, const QString& targetText)
    : Form(services), target_(target), targetText_(targetText) {
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(twSize(4800, 3600));
    List1 = control<QListWidget>(this, "List1", 120, 120, 4560, 2520);
    Label1 = control<QLabel>(this, "Label1", 120, 2760, 2160, 360);
    Label2 = control<QLabel>(this, "Label2", 2520, 2760, 2160, 360);
    Label1->setText(QStringLiteral("Label1"));
    Label2->setText(QStringLiteral("Label2"));
}

void DisplayModeDialog::Form_Load() {
    modes_ = services.displayModes.modes();
    for (const DisplayMode& mode : std::as_const(modes_))
        List1->addItem(displayModeText(mode));
    RefreshInfo();
    if (Label1->text() != QLatin1String("eti")) entrar();
}

void DisplayModeDialog::RefreshInfo() {
    // Only the size counts: a screen of the target size at another depth is left as it is.
    if (services.displayModes.currentSize() == target_) {
        Label1->setText(QStringLiteral("eti"));
        return;
    }
    QStringList texts;
    for (int i = 0; i < List1->count(); ++i)
        texts << List1->item(i)->text();
    List1->setCurrentRow(lastMatchingMode(texts, targetText_));
}

void DisplayModeDialog::entrar() {
    const int row = List1->currentRow();
    if (row < 0 || row >= modes_.size()) return;
    services.displayModes.apply(modes_[row]);
}
