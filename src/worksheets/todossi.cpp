#include "worksheets/todossi.h"
#include "core/busycursor.h"
#include "core/controls.h"
#include "core/errorbox.h"
#include "core/folders.h"
#include "core/numericvalue.h"
#include "core/sharedstate.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "worksheets/counttyping.h"
#include "worksheets/exercisekinds.h"
#include "worksheets/runpdf.h"
#include "worksheets/sheetrun.h"
#include "worksheets/windowskeys.h"
#include "worksheets/worksheetgrid.h"

#include <QApplication>
#include <QDateTime>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QUrl>
#include <algorithm>

namespace {
const QColor Background(192, 192, 192);
constexpr int GridRows = 54;
constexpr int FirstCountRow = 3;
constexpr int LastCountRow = 53;

QFont fontOf(const QString& family, double points, bool bold = false) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// While a run prints, the windows keep painting but drop every click and key.
class InputBlocker : public QObject {
public:
    InputBlocker() { qApp->installEventFilter(this); }
    ~InputBlocker() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

todossi::todossi(Services& services) : MainForm(services), printer_(services.printing) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);
    setGround(client, Background);

    IMOSS = menuBarItem(this, "IMOSS", QStringLiteral("IMPRIMIR"));
    SSSS = menuBarItem(this, "SSSS", QStringLiteral("CONFIGURAR IMPRESSORA"));
    SSS = menuBarItem(this, "SSS", QStringLiteral("NETEJAR"));

    Frame1 = control<QFrame>(client, "Frame1", 0, 0, 7980, 5895);
    Grid1 = control<WorksheetGrid>(Frame1, "Grid1", 45, 180, 5235, 5325);
    keepScrollBarPictures(Grid1); // its tall bar took most of the window's paint
    Label2[0] = control<QLabel>(Frame1, "Label2_0", 5400, 4455, 1200, 255);
    Text2 = control<QLineEdit>(Frame1, "Text2", 5400, 4680, 2145, 285);
    Label2[1] = control<QLabel>(Frame1, "Label2_1", 5445, 5085, 990, 255);
    Text3 = control<QLineEdit>(Frame1, "Text3", 5400, 5355, 2190, 285);
    List2 = control<QListWidget>(client, "List2", 5355, 180, 2295, 3660);
    Text1 = control<QLineEdit>(client, "Text1", 5355, 3870, 1935, 480);

    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    List2->setFont(fontOf(QStringLiteral("MS Sans Serif"), 9.75));
    List2->setSelectionMode(QAbstractItemView::SingleSelection);
    Text1->setFont(fontOf(QStringLiteral("Arial"), 15.75));
    Text1->setText(QStringLiteral("abcdABCD"));
    Label2[0]->setFont(fontOf(QStringLiteral("Courier New"), 12));
    Label2[0]->setText(QStringLiteral("alumne:"));
    Label2[1]->setFont(fontOf(QStringLiteral("Courier New"), 12));
    Label2[1]->setText(QStringLiteral("Escola:"));
    Text2->setFont(fontOf(QStringLiteral("MS Sans Serif"), 8.25, true));
    Text3->setFont(fontOf(QStringLiteral("MS Sans Serif"), 8.25, true));

    connect(IMOSS, &QAction::triggered, this, &todossi::IMOSS_Click);
    connect(SSSS, &QAction::triggered, this, &todossi::SSSS_Click);
    connect(SSS, &QAction::triggered, this, &todossi::SSS_Click);
    connect(List2, &QListWidget::currentRowChanged, this, &todossi::List2_Click);
    connect(Grid1, &WorksheetGrid::KeyDown, this, &todossi::gridKeyPressed);
}

void todossi::Form_Load() {
    // The font list; the last font named exactly "Arial" is chosen, else the second one.
    int chosen = 1;
    const int fonts = printer_.fontCount();
    for (int i = 0; i < fonts; ++i) {
        List2->addItem(printer_.font(i));
        if (List2->item(i)->text() == QLatin1String("Arial")) chosen = i;
    }
    // With fewer than two fonts the only one is chosen, or none.
    chosen = std::min(chosen, fonts - 1);
    if (chosen >= 0) List2->setCurrentRow(chosen);

    Grid1->setColumnCount(2);
    Grid1->setRows(GridRows);
    Grid1->setColWidthTwips(0, 700);
    Grid1->setColWidthTwips(1, 4300);
    Grid1->setHeaderText(0, QStringLiteral("Nº còpies"));
    Grid1->setHeaderText(1, QStringLiteral("Clau"));
    Grid1->setRow(1);
    Grid1->setCol(1);
    Grid1->setText(QStringLiteral("Estructuras"));
    Grid1->setRow(2);
    Grid1->setCol(0);
    Grid1->setText(QString(30, QLatin1Char('*')));
    Grid1->setCol(1);
    Grid1->setText(QString(50, QLatin1Char('*')));
    for (const ExerciseKind& kind : exerciseKindTable()) {
        Grid1->setRow(kind.row);
        Grid1->setCol(1);
        Grid1->setText(kind.captionText());
    }
}

void todossi::Form_Unload(bool& cancel) {
    // A run in progress finishes first.
    if (printing_) {
        cancel = true;
        return;
    }
    services.state.clearActivityCode();
}

QString todossi::sheetsFolder() const {
    return folderPath(services.programFolder, QStringLiteral("fulls"));
}

void todossi::List2_Click() {
    const QListWidgetItem* item = List2->currentItem();
    if (!item) return;
    QFont sample = Text1->font();
    sample.setFamily(item->text());
    Text1->setFont(sample);
    QFont grid = Grid1->font();
    grid.setFamily(item->text());
    Grid1->setFont(grid);
}

void todossi::SSSS_Click() {}

void todossi::SSS_Click() {
    Grid1->setCol(0);
    for (int row = FirstCountRow; row <= LastCountRow; ++row) {
        Grid1->setRow(row);
        Grid1->setText(QStringLiteral("0"));
    }
    Grid1->setRow(1);
    Grid1->setCol(0);
    services.forms.show(QStringLiteral("form1"));
}

void todossi::Grid1_KeyDown(int& keyCode) {
    // The scroll row is the window's own, moved by End and Home only, in steps of ten from 1 up to
    // the first such step at or past the grid's last top row, so it is never 2: read from the
    // view, an arrow key that scrolled the grid by one row left every key dropped.
    const int lastTop = std::max(Grid1->lastTopRow(), 1);
    const int lastStop = 1 + 10 * ((lastTop - 1 + 9) / 10);
    const CountKey key{Grid1->Row(), Grid1->Col(), Grid1->Text(), Label1, scrollRow_, keyCode};
    const CountKey typed = countKeyDown(key, ScrollRange{1, lastStop});
    if (typed.text != key.text) Grid1->setText(typed.text);
    Label1 = typed.typingState;
    if (typed.scrollRow != key.scrollRow) {
        scrollRow_ = typed.scrollRow;
        Grid1->setTopRow(std::min(scrollRow_, lastTop));
    }
    keyCode = typed.keyCode;
}

void todossi::gridKeyPressed(QKeyEvent* event, bool& handled) {
    const int code = windowsKeyCode(*event);
    handled = true;
    if (code == 0) return;
    int keyCode = code;
    Grid1_KeyDown(keyCode);
    // The grid moves on the arrows, Tab and the Page keys, unless the handler changed the key.
    constexpr int Moves[] = {9, 33, 34, 37, 38, 39, 40};
    handled = keyCode != code || std::find(std::begin(Moves), std::end(Moves), code) == std::end(Moves);
}

void todossi::IMOSS_Click() {
    if (printing_) return;
    if (!services.dialogs.okCancel(this, QStringLiteral("Imprimir"), QStringLiteral("Operacions"))) return;
    printRun();
}

void todossi::printRun() {
    // A slip of the keyboard must not hold the window for hours: a count past the largest stops
    // the run before any sheet is printed, not halfway through it.
    for (const ExerciseKind& kind : exerciseKindTable()) {
        if (numericValue(Grid1->cellText(kind.row, 0)) > LargestSheetCount) {
            showError(services, this);
            return;
        }
    }
    printing_ = true;
    bool failed = false;
    // The run's sheets go into one PDF, for the user to print elsewhere, when there is no
    // printer or the printer refuses them.
    RunPrinting run(services.printing, runPdfFileName(sheetsFolder(), QDateTime::currentDateTime()));
    Printer out(run);
    {
        const BusyCursor busy;
        const InputBlocker blocker;
        for (const ExerciseKind& kind : exerciseKindTable()) {
            Grid1->setCol(0);
            Grid1->setRow(kind.row);
            const double count = numericValue(Grid1->Text());
            if (!(count > 0)) continue;
            if (kind.sizeCode != 0) Label3 = QString::number(kind.sizeCode);
            for (int i = 1; i <= count && !failed; ++i) {
                QCoreApplication::processEvents();
                const QListWidgetItem* font = List2->currentItem();
                failed = !printRunSheet(out, services.random, QLatin1String(kind.generator),
                                        numericValue(Label3), font ? font->text() : QString(), Text3->text());
            }
            if (failed) break;
        }
        if (!run.finish()) failed = true;
    }
    printing_ = false;
    if (failed) showError(services, this);
    const QString saved = run.savedMessage();
    if (!saved.isEmpty()) {
        services.dialogs.message(this, saved, QStringLiteral("Operacions"));
        services.launcher.openUrl(QUrl::fromLocalFile(run.pdf().fileName()));
    }
}
