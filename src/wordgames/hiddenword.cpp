#include "wordgames/hiddenword.h"
#include "core/basepanel.h"
#include "core/centrewindow.h"
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/folders.h"
#include "core/mouseevents.h"
#include "core/palette.h"
#include "core/pause.h"
#include "core/random.h"
#include "core/sharedstate.h"
#include "core/speakerpicture.h"
#include "core/tata.h"
#include "core/twips.h"
#include "wordgames/hiddenwordart.h"
#include "wordgames/hiddenwordpuzzle.h"

#include <QDir>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

using namespace hiddenword;

namespace {
constexpr int Fresh = 1, FreshBack = 15; // dark blue on white
constexpr int Found = 14, FoundBack = 4; // yellow on dark red
constexpr int Help = 0, HelpBack = 14;   // black on yellow

const QString UpperMode = QStringLiteral("Mayús");
const QString LowerMode = QStringLiteral("Minus");

} // namespace

amaga::amaga(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);
    setGround(client, QColor(128, 128, 128));

    SASASA = menuBarItem(this, "SASASA", QStringLiteral("LLISTES"));

    Picture1 = control<PictureBox>(client, "Picture1", 1500, 690, 11625, 7935);
    for (int i = 0; i < CellCount; ++i) {
        const QByteArray name = "Label1_" + QByteArray::number(i);
        Label1[i] = control<QLabel>(Picture1, name.constData(), 1860 + 990 * (i % Side),
                                    600 + 900 * (i / Side), 960, 870);
    }
    Text2 = control<QLineEdit>(Picture1, "Text2", 1860, 6900, 6900, 1140);
    Image1 = control<QLabel>(Picture1, "Image1", 8835, 6495, 2220, 1545);
    List4 = control<QListWidget>(Picture1, "List4", 8925, 600, 2085, 4170);
    Picture144[0] = control<PictureBox>(Picture1, "Picture144_0", 9960, 4830, 510, 330);
    Picture155[1] = control<PictureBox>(Picture1, "Picture155_1", 10500, 4830, 510, 330);
    Label17 = control<QLabel>(Picture1, "Label17", 9870, 5775, 1005, 240);
    Picture3 = control<PictureBox>(Picture1, "Picture3", 8970, 5640, 885, 360);
    Command2 = control<QPushButton>(Picture1, "Command2", 8835, 6135, 2205, 330);

    List1[4] = control<QListWidget>(client, "List1_4");
    List3 = control<QListWidget>(client, "List3");
    for (int i = 0; i < int(Picture7.size()); ++i) {
        const QByteArray name = "Picture7_" + QByteArray::number(i);
        Picture7[i] = control<PictureBox>(client, name.constData());
    }

    QFont cellFont(QStringLiteral("Courier New"), 36);
    for (int i = 0; i < CellCount; ++i) {
        QLabel* cell = Label1[i];
        cell->setFont(cellFont);
        cell->setAlignment(Qt::AlignCenter);
        cell->setAutoFillBackground(true);
        cell->setText(QStringLiteral("a"));
        paintCell(i, Fresh, FreshBack);
        auto* events = new MouseEvents(cell);
        connect(events, &MouseEvents::MouseDown, this, [this, i] { Label1_MouseDown(i); });
        connect(events, &MouseEvents::MouseUp, this, [this, i] { Label1_MouseUp(i); });
    }

    Text2->setFont(QFont(QStringLiteral("Courier New"), 48));
    QPalette black = Text2->palette();
    black.setColor(QPalette::Text, Qt::black);
    Text2->setPalette(black);

    Image1->setAlignment(Qt::AlignCenter);
    Image1->setAttribute(Qt::WA_TranslucentBackground);

    QFont listFont(QStringLiteral("Courier New"));
    listFont.setPointSizeF(15.75);
    listFont.setBold(true);
    List4->setFont(listFont);
    QPalette listColours = List4->palette();
    listColours.setColor(QPalette::Base, Qt::white);
    listColours.setColor(QPalette::Text, Qt::black);
    List4->setPalette(listColours);

    Picture144[0]->setBackColor(casePictureBack(true));
    Picture144[0]->setPicture(casePictureImage(true));
    Picture155[1]->setBackColor(casePictureBack(false));
    Picture155[1]->setPicture(casePictureImage(false));

    Label17->setText(QStringLiteral("MIN"));
    Label17->setAttribute(Qt::WA_TranslucentBackground);
    QPalette caseColour = Label17->palette();
    caseColour.setColor(QPalette::WindowText, QColor(64, 64, 64));
    Label17->setPalette(caseColour);

    Picture3->setAutoSize(true);
    Picture3->setPicture(drawSpeakerPicture());
    Picture3->setCursor(Qt::PointingHandCursor);

    Command2->setText(QStringLiteral("AJUT"));
    QFont buttonFont(QStringLiteral("Courier New"));
    buttonFont.setPointSizeF(14.25);
    buttonFont.setBold(true);
    Command2->setFont(buttonFont);

    List1[4]->hide();
    List3->hide();
    for (PictureBox* holder : Picture7)
        holder->hide();

    connect(SASASA, &QAction::triggered, this, &amaga::SASASA_Click);
    connect(Command2, &QPushButton::clicked, this, &amaga::Command2_Click);
    connect(new MouseEvents(Picture144[0]), &MouseEvents::Click, this, [this] { Picture144_Click(0); });
    connect(new MouseEvents(Picture155[1]), &MouseEvents::Click, this, [this] { Picture155_Click(1); });
    connect(new MouseEvents(Picture3), &MouseEvents::Click, this, &amaga::Picture3_Click);
}

void amaga::Form_Load() {
    Picture3->setVisible(services.state.SpeechFlag() == 1);
    Picture1->setAutoSize(true);
    Picture1->setPicture(drawBasePanel());
    centreOnScreen(this);
}

void amaga::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

void amaga::paintCell(int index, int foreground, int background) {
    if (index < 0 || index >= CellCount) return;
    QPalette colours = Label1[index]->palette();
    colours.setColor(QPalette::WindowText, paletteColour(foreground));
    colours.setColor(QPalette::Window, paletteColour(background));
    Label1[index]->setPalette(colours);
}

void amaga::ENTRALO() {
    LINEA();
}

void amaga::LINEA() {
    Text1.clear();
    Label8 = 1;
    const QStringList fillers = fillGrid(services.random);
    for (int i = 0; i < CellCount; ++i) {
        Label1[i]->setText(fillers[i]);
        paintCell(i, Fresh, FreshBack);
    }

    QListWidget* pool = List1[4];
    const std::optional<int> r = drawWord(services.random, pool->count());
    if (!r) { // an empty pool changes the fillers only
        passBlanks(Label10, Label8, Text1);
        return;
    }
    const QString w = pool->item(*r)->text();
    // A word with no panel of its own shows none, not the picture of the word before.
    if (*r < int(Picture7.size()))
        showPanelPicture(*r);
    else
        Image1->clear();
    Text2->setText(w);
    Text2->setCursorPosition(0); // the box shows the word's start, not its end
    Label10 = w;
    wordDealt = true;

    services.random.reseedFromClock();
    QStringList cells = fillers;
    Label2 = placeWord(services.random, cells, w).firstCell;
    for (int i = 0; i < CellCount; ++i)
        Label1[i]->setText(cells[i]);

    applyCase();
    passBlanks(Label10, Label8, Text1);
}

void amaga::showPanelPicture(int index) {
    const QImage& picture = Picture7[index]->Picture();
    if (picture.isNull()) {
        Image1->clear();
        return;
    }
    Image1->setPixmap(
        QPixmap::fromImage(picture.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

// Turns the grid, the word and the letters already found to the case label's mode.
void amaga::applyCase() {
    const CaseMode mode = caseModeOf(Label17->text());
    if (mode == CaseMode::Pool) return;
    for (QLabel* cell : Label1)
        cell->setText(inCase(cell->text(), mode));
    Label10 = inCase(Label10, mode);
    Text2->setText(inCase(Text2->text(), mode));
    Text2->setCursorPosition(0);
    Text1 = inCase(Text1, mode);
}

void amaga::Label1_MouseDown(int Index) {
    if (!wordDealt || Index < 0 || Index >= CellCount) return;
    if (expectedAt(Label10, Label8) != Label1[Index]->text()) return;
    paintCell(Index, Found, FoundBack);
    Label8 = qMin(Label8, ShownLength) + 1;
    Text1 += Label1[Index]->text();
    passBlanks(Label10, Label8, Text1);
}

void amaga::Label1_MouseUp(int Index) {
    if (!wordDealt || Index < 0 || Index >= CellCount) return;
    if (!isFound(Text1, Label10)) return;
    paintCell(Index, Found, FoundBack);
    List4->addItem(Label10);
    List4->scrollToBottom();
    // The found word stays on view a moment; clicks made meanwhile go to the next puzzle.
    if (!pause(services, PauseAfterFind, this)) return;
    LINEA();
}

void amaga::Command2_Click() {
    paintCell(Label2, Help, HelpBack);
}

void amaga::Picture144_Click(int) {
    Label17->setText(UpperMode);
    applyCase();
}

void amaga::Picture155_Click(int) {
    Label17->setText(LowerMode);
    applyCase();
}

void amaga::Picture3_Click() {
    SpeakText(services, Text2->text());
}

QString amaga::listsFolder() const {
    return folderPath(services.programFolder, QStringLiteral("llistes"));
}

void amaga::SASASA_Click() {
    const QString folder = listsFolder();
    QDir().mkpath(folder);
    const std::optional<QString> chosen =
        chooseFile(services, this, {folder, QStringLiteral("(*.*)|*.*|"), QString()});
    if (!chosen) return;

    List1[4]->clear();
    List3->clear();
    setCursor(Qt::WaitCursor);
    const QStringList words = readPool(*chosen);
    List1[4]->addItems(words);
    for (int r = 1; r <= words.size(); ++r)
        List3->addItem(QString::number(r));
    setCursor(Qt::ArrowCursor);
    LINEA();
}
