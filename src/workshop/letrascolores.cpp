#include "workshop/letrascolores.h"
#include "core/controls.h"
#include "core/mouseevents.h"
#include "core/sharedstate.h"
#include "workshop/handoff.h"
#include "workshop/picturetools.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

using namespace ColourWordSearch;

namespace {
// The page is wider than the designed client area; the window takes room for all of it.
constexpr int PageLeft = 180;
constexpr int PageTop = 45;
constexpr int PageWidth = 14955;
constexpr int PageHeight = 10320;

QLineEdit* letterBox(QWidget* page, const QString& name, int left, int top) {
    auto* box = new QLineEdit(page);
    box->setObjectName(name);
    box->setGeometry(twRect(left, top, BoxWidth, BoxHeight));
    box->setMaxLength(1);
    box->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Courier New"), 48);
    font.setBold(true);
    box->setFont(font);
    box->setText(QStringLiteral("A"));
    // Black letters on white (what setTextColour and setBackColour give) in one palette change.
    QPalette colours = box->palette();
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Window, Qt::white);
    box->setPalette(colours);
    return box;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    return item;
}
} // namespace

letrascolores::letrascolores(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeMaximizedClient(this, PageLeft + PageWidth, ClientHeightTwips, Qt::white);

    SADAS = menuBar()->addMenu(QStringLiteral("MOD_INICIAL"));
    SADAS->setObjectName(QStringLiteral("SADAS"));
    ASS = menuItem(SADAS, "ASS", QStringLiteral("VISUALITZA"));
    SSSS = menuItem(SADAS, "SSSS", QStringLiteral("IMPRIMIR paint"));
    SD = menuBar()->addMenu(QStringLiteral("MOD_COMPLET"));
    SD->setObjectName(QStringLiteral("SD"));
    DDD = menuItem(SD, "DDD", QStringLiteral("VISUALITZA"));
    SS = menuItem(SD, "SS", QStringLiteral("IMPRIMIR paint"));
    ASSAA = menuBarItem(this, "ASSAA", QStringLiteral("MAYÚS"));
    SSSSSS = menuBarItem(this, "SSSSSS", QStringLiteral("MINÚS"));
    SSSSS = menuBarItem(this, "SSSSS", QStringLiteral("FONTS"));
    SASS6 = menuBarItem(this, "SASS6", QStringLiteral(">>>>>>"));

    Picture3 = control<PictureBox>(client, "Picture3", PageLeft, PageTop, PageWidth, PageHeight);
    Picture3->setBackColor(Qt::white);
    for (int i = 0; i < CellCount; ++i) {
        Text1[i] = letterBox(Picture3, QStringLiteral("Text1_%1").arg(i), cellLeft(i), cellTop(i));
        Text1[i]->installEventFilter(this);
    }
    for (int j = 0; j < ListCount; ++j)
        Text2[j] = letterBox(Picture3, QStringLiteral("Text2_%1").arg(j), listLeft(j), listTop(j));
    Picture2 = control<PictureBox>(Picture3, "Picture2", 1665, 225, 3255, 915);
    Picture2->setPicture(drawPalette());
    Picture1 = control<PictureBox>(Picture2, "Picture1", 2745, 495, 420, 285);
    // Black from the start, so that letters typed before a palette click show on white.
    Picture1->setBackColor(Qt::black);
    Picture4 = control<PictureBox>(client, "Picture4", 0, 4095, 195, 960);
    Picture4->hide();

    auto* paletteMouse = new MouseEvents(Picture2);
    connect(paletteMouse, &MouseEvents::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF pos) {
                Picture2_MouseUp(button, pos);
            });
    new MouseEvents(Picture1); // a release on the swatch picks nothing

    connect(ASS, &QAction::triggered, this, &letrascolores::ASS_Click);
    connect(SSSS, &QAction::triggered, this, &letrascolores::SSSS_Click);
    connect(DDD, &QAction::triggered, this, &letrascolores::DDD_Click);
    connect(SS, &QAction::triggered, this, &letrascolores::SS_Click);
    connect(ASSAA, &QAction::triggered, this, &letrascolores::ASSAA_Click);
    connect(SSSSSS, &QAction::triggered, this, &letrascolores::SSSSSS_Click);
    connect(SSSSS, &QAction::triggered, this, &letrascolores::SSSSS_Click);
    connect(SASS6, &QAction::triggered, this, &letrascolores::SASS6_Click);

    setWindowState(windowState() | Qt::WindowMaximized);
}

void letrascolores::Form_Load() {
    for (QLineEdit* cell : Text1)
        cell->clear();
    for (QLineEdit* box : Text2)
        box->clear();
}

void letrascolores::Form_Unload(bool& cancel) {
    Q_UNUSED(cancel);
    services.state.clearActivityCode();
}

QColor letrascolores::currentColour() const {
    return Picture1->BackColor();
}

Grid letrascolores::readGrid() const {
    Grid grid;
    auto read = [](const QLineEdit* box) {
        return Box{box->text(), textColour(box), box->palette().color(QPalette::Base)};
    };
    for (int i = 0; i < CellCount; ++i)
        grid.cells[i] = read(Text1[i]);
    for (int j = 0; j < ListCount; ++j)
        grid.list[j] = read(Text2[j]);
    return grid;
}

void letrascolores::writeGrid(const Grid& grid) {
    auto write = [](QLineEdit* box, const Box& b) {
        if (box->text() != b.text) box->setText(b.text);
        setTextColour(box, b.textColour);
        setBackColour(box, b.backColour);
    };
    for (int i = 0; i < CellCount; ++i)
        write(Text1[i], grid.cells[i]);
    for (int j = 0; j < ListCount; ++j)
        write(Text2[j], grid.list[j]);
}

void letrascolores::ASS_Click() {
    Grid grid = readGrid();
    initialView(grid);
    writeGrid(grid);
}

void letrascolores::DDD_Click() {
    Picture2->show();
    Grid grid = readGrid();
    completeView(grid, currentColour(), services.random);
    writeGrid(grid);
}

void letrascolores::SASS6_Click() {
    Grid grid = readGrid();
    newGrid(grid);
    writeGrid(grid);
    for (QLineEdit* box : Text2)
        box->show();
    Picture2->show();
}

void letrascolores::ASSAA_Click() {
    Picture2->show();
    Grid grid = readGrid();
    changeCase(grid, true);
    writeGrid(grid);
}

void letrascolores::SSSSSS_Click() {
    Picture2->show();
    Grid grid = readGrid();
    changeCase(grid, false);
    writeGrid(grid);
}

void letrascolores::SSSSS_Click() {
    QList<QWidget*> targets;
    for (QLineEdit* box : Text2)
        targets << box;
    for (QLineEdit* cell : Text1)
        targets << cell;
    ChooseTextFont(services, this, targets);
}

void letrascolores::SSSS_Click() {
    Picture2->hide();
    handOff();
}

void letrascolores::SS_Click() {
    Picture2->hide();
    for (QLineEdit* box : Text2)
        box->hide();
    handOff();
}

void letrascolores::handOff() {
    Snapshot snapshot;
    snapshot.source = Picture3;
    snapshot.scratch = Picture4;
    EditPictureInPaint(services, this, snapshot);
}

void letrascolores::Picture2_MouseUp(Qt::MouseButton button, QPointF pos) {
    Q_UNUSED(button);
    if (const std::optional<QColor> colour = PickPaletteColour(Picture2, pos))
        Picture1->setBackColor(*colour);
}

void letrascolores::Text1_KeyDown(int index) {
    setTextColour(Text1[index], currentColour());
}

bool letrascolores::eventFilter(QObject* watched, QEvent* event) {
    // A letter made with a dead key ("à", "ï") comes from the input method, not as a key press.
    const bool typed = event->type() == QEvent::KeyPress ||
                       (event->type() == QEvent::InputMethod &&
                        !static_cast<QInputMethodEvent*>(event)->commitString().isEmpty());
    if (typed) {
        for (int i = 0; i < CellCount; ++i) {
            if (watched == Text1[i]) {
                Text1_KeyDown(i);
                break;
            }
        }
    }
    return MainForm::eventFilter(watched, event);
}
