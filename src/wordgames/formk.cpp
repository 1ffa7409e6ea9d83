#include "wordgames/formk.h"
#include "core/basepanel.h"
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/folders.h"
#include "core/mouseevents.h"
#include "core/palette.h"
#include "core/sharedstate.h"
#include "core/twips.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <qdrawutil.h>

using namespace alphabeticalorder;

namespace {
constexpr int ButtonLeft = 4000;
constexpr int ButtonWidth = 4395;
constexpr int ButtonHeight = 540;
constexpr int ButtonPointSize = 22;
const QColor HiddenText(250, 250, 250);

QFont courierBold(double points) {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// A button caption shows an ampersand as itself, not as a shortcut mark.
QString buttonCaption(QString word) {
    return word.replace(QLatin1Char('&'), QLatin1String("&&"));
}
QString captionWord(QString caption) {
    return caption.replace(QLatin1String("&&"), QLatin1String("&"));
}
} // namespace

formk::formk(Services& services) : Form(services) {
    setWindowTitle(caption());
    setFixedSize(twSize(ClientWidthTwips, ClientHeightTwips));
    setAutoFillBackground(true);

    base = control<PictureBox>(this, "base", -30, -30, 12690, 8745);
    for (int k = 0; k < Words; ++k) {
        const QByteArray name = "Command1_" + QByteArray::number(k);
        Command1[k] =
            control<QPushButton>(this, name.constData(), ButtonLeft, slotTop(k), ButtonWidth, ButtonHeight);
    }
    List1 = control<QListWidget>(this, "List1", 9495, 870, 2415, 3660);
    Command2 = control<QPushButton>(this, "Command2", 9660, 4575, 465, 255);
    Command3 = control<QPushButton>(this, "Command3", 10170, 4575, 495, 255);
    Command4 = control<QPushButton>(this, "Command4", 1320, 6015, 2220, 375);
    Command5 = control<QPushButton>(this, "Command5", 3570, 6015, 2130, 375);
    for (int i = 0; i < ScoreIndexEnd; ++i) {
        if (!hasScoreCell(i)) continue;
        const QByteArray name = "Picture1_" + QByteArray::number(i);
        Picture1[i] =
            control<SunkenPictureBox>(this, name.constData(), 1320 + 225 * scoreColumn(i), 5790, 210, 180);
    }

    base->setAutoSize(true);
    base->setPicture(drawBasePanel());
    for (QPushButton* button : Command1)
        button->setFont(courierBold(ButtonPointSize));
    QFont listFont(QStringLiteral("MS Sans Serif"));
    listFont.setPointSize(12);
    List1->setFont(listFont);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    Command4->setText(QStringLiteral("llista"));
    Command4->setFont(courierBold(15.75));
    Command5->setText(QStringLiteral(">>>>"));
    Command5->setFont(courierBold(15.75));
    const QColor windowColour = QGuiApplication::palette().color(QPalette::Base);
    for (PictureBox* cell : Picture1)
        if (cell) cell->setBackColor(windowColour);

    for (int k = 0; k < Words; ++k)
        connect(Command1[k], &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
    connect(Command2, &QPushButton::clicked, this, &formk::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &formk::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &formk::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &formk::Command5_Click);
    for (int i = 0; i < ScoreIndexEnd; ++i) {
        if (!Picture1[i]) continue;
        auto* mouse = new MouseEvents(Picture1[i]);
        connect(mouse, &MouseEvents::Click, this, [this, i] { Picture1_Click(i); });
    }
}

void formk::Form_Load() {
    QPalette list = List1->palette();
    list.setColor(QPalette::Base, Qt::white);
    List1->setPalette(list);
    setAnswerColour(HiddenText);
    placeButtons();

    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(22, 44, 99));
    setPalette(background);
}

void formk::Form_Unload(bool& cancel) {
    Q_UNUSED(cancel);
    services.state.clearActivityCode();
}

void formk::placeButtons() {
    for (int k = 0; k < Words; ++k) {
        QPushButton* button = Command1[Label1[k]];
        button->setGeometry(twRect(ButtonLeft, slotTop(k), ButtonWidth, ButtonHeight));
        QFont font = button->font();
        font.setPointSize(ButtonPointSize);
        button->setFont(font);
    }
}

void formk::setAnswerColour(const QColor& colour) {
    QPalette list = List1->palette();
    list.setColor(QPalette::Text, colour);
    List1->setPalette(list);
}

QStringList formk::columnWords() const {
    QStringList column;
    for (int button : Label1)
        column << captionWord(Command1[button]->text());
    return column;
}

void formk::llena() {
    Label1 = identitySlots();
    placeButtons();
    List1->clear();
    const QStringList deal = dealWords(drawableWords(Label11), services.random);
    for (int k = 0; k < Words; ++k)
        Command1[k]->setText(buttonCaption(deal.value(k)));
    List1->addItems(sortedAnswer(deal));
    Label2 = 0;
    Label3 = 0;
}

void formk::Command1_Click(int Index) {
    // Before the first deal the column is blank: there is nothing to order.
    if (List1->count() != Words || Index < 0 || Index >= Words) return;
    const int slot = int(std::find(Label1.begin(), Label1.end(), Index) - Label1.begin());
    sendToBottom(Label1, slot);
    placeButtons();
    ++Label3;

    QStringList answer;
    for (int j = 0; j < List1->count(); ++j)
        answer << List1->item(j)->text();
    Label2 = wordsInPlace(answer, columnWords());
    if (Label2 != Words) return;
    llena();
    if (hasScoreCell(Label5)) Picture1[Label5]->setBackColor(paletteColour(14));
    ++Label5;
}

void formk::Command2_Click() {
    List1->clearSelection();
    setAnswerColour(paletteColour(1));
    for (QPushButton* button : Command1)
        button->setEnabled(false);
}

void formk::Command3_Click() {
    List1->clearSelection();
    setAnswerColour(paletteColour(15));
    for (QPushButton* button : Command1)
        button->setEnabled(true);
}

void formk::Command4_Click() {
    const std::optional<QString> chosen =
        chooseFile(services, this,
                   {folderPath(services.programFolder, QStringLiteral("llistes")), QString(), QString()});
    if (!chosen) return;
    Label11 = *chosen;
    llena();
}

void formk::Command5_Click() {
    llena();
}

void formk::Picture1_Click(int Index) {
    Q_UNUSED(Index);
    llena();
}
