#include "documents/phonetopup.h"
#include "core/basepanel.h"
#include "core/controls.h"
#include "core/fonts.h"
#include "core/numericvalue.h"
#include "core/random.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "documents/topuptask.h"
#include "workshop/picturetools.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QColor BackColour(224, 224, 224);
const QColor HeadingColour(64, 64, 64);
const QColor CaptionColour(128, 128, 128);
const QColor RuleColour(255, 255, 128);
const QColor ScoreColour(255, 255, 192);

QFont courierBold(double points) {
    return designFont("Courier New", points, true);
}
} // namespace

movile::movile(Services& services) : Form(services) {
    setWindowTitle(caption());
    setFixedSize(twSize(ClientWidthTwips, ClientHeightTwips));
    setGround(this, BackColour);

    base = control<PictureBox>(this, "base", 1470, 600, 12630, 8685);
    Picture1 = control<PictureBox>(base, "Picture1", 720, 960, 11265, 6090);
    Label1[0] = control<QLabel>(Picture1, "Label1_0", 390, 120, 2625, 510);
    Line1 = new LineControl(Picture1, twPoint(225, 720), twPoint(11115, 720), RuleColour);
    Line1->setObjectName(QStringLiteral("Line1"));
    Label1[1] = control<QLabel>(Picture1, "Label1_1", 450, 1215, 2625, 375);
    Text1[0] = control<QLineEdit>(Picture1, "Text1_0", 2970, 1170, 4020, 465);
    Label1[2] = control<QLabel>(Picture1, "Label1_2", 450, 1935, 2625, 375);
    Text1[1] = control<QLineEdit>(Picture1, "Text1_1", 2970, 1890, 1185, 465);
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "DINEROS_" + QByteArray::number(i);
        DINEROS[size_t(i)] =
            control<QPushButton>(Picture1, name.constData(), 4365 + 1035 * i, 1890, i == 3 ? 1230 : 960, 510);
    }
    Label1[3] = control<QLabel>(Picture1, "Label1_3", 450, 2565, 2625, 1005);
    Text1[2] = control<QLineEdit>(Picture1, "Text1_2", 2970, 2835, 4740, 465);
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "Command1_" + QByteArray::number(i);
        Command1[size_t(i)] = control<QPushButton>(Picture1, name.constData(), i % 2 ? 5355 : 2970,
                                                   i < 2 ? 3375 : 3915, 2355, 510);
    }
    Label6 = control<QLabel>(Picture1, "Label6", 630, 3690, 1815, 1005);
    Command2 = control<QPushButton>(Picture1, "Command2", 270, 5085, 2940, 675);
    Command3 = control<QPushButton>(Picture1, "Command3", 3330, 5085, 5460, 675);
    // In window coordinates, on the panel below the inputs.
    Label5 = control<QLabel>(this, "Label5", 2835, 7650, 7125, 915);
    Label5->raise();

    base->setPicture(drawBasePanel());
    Picture1->setBackColor(QGuiApplication::palette().color(QPalette::Base));
    const QStringList captions{QStringLiteral("DADES"), QStringLiteral("TELÈFON:"),
                               QStringLiteral("QUANTITAT:"), QStringLiteral("OPERADORA:")};
    for (int i = 0; i < 4; ++i) {
        QLabel* label = Label1[size_t(i)];
        label->setText(captions[i]);
        label->setFont(courierBold(i == 0 ? 21.75 : 18));
        setTextColour(label, i == 0 ? HeadingColour : CaptionColour);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    for (QLineEdit* box : Text1)
        box->setFont(courierBold(21.75));
    for (int i = 0; i < 4; ++i) {
        DINEROS[size_t(i)]->setText(QString::number(topup::ButtonAmounts[size_t(i)]) + QStringLiteral("€"));
        DINEROS[size_t(i)]->setFont(courierBold(18));
        Command1[size_t(i)]->setText(topup::Operators[size_t(i)]);
        Command1[size_t(i)]->setFont(courierBold(18));
    }
    Label6->setText(QStringLiteral("0"));
    Label6->setFont(courierBold(48));
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label6->setAutoFillBackground(true);
    QPalette score = Label6->palette();
    score.setColor(QPalette::Window, ScoreColour);
    score.setColor(QPalette::WindowText, Qt::black);
    Label6->setPalette(score);
    Command2->setText(QStringLiteral("NETEJAR"));
    Command3->setText(QStringLiteral("ACEPTAR"));
    for (QPushButton* button : {Command2, Command3})
        button->setFont(courierBold(27.75));
    Label5->setFont(courierBold(18));
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(Label5, Qt::black);

    for (int i = 0; i < 4; ++i) {
        connect(Command1[size_t(i)], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        connect(DINEROS[size_t(i)], &QPushButton::clicked, this, [this, i] { DINEROS_Click(i); });
    }
    connect(Command2, &QPushButton::clicked, this, &movile::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &movile::Command3_Click);
}

void movile::Form_Load() {
    drawTask();
}

void movile::Form_Unload(bool& cancel) {
    Q_UNUSED(cancel);
    services.state.clearActivityCode();
}

void movile::drawTask() {
    const TopUpTask task = topup::drawTask([this] { return services.random.Rnd(); });
    Label2 = task.number;
    Label3 = task.amount;
    Label4 = task.operatorName;
    Label5->setText(topup::instructionLine(task));
}

void movile::Command1_Click(int Index) {
    if (Index < 0 || Index >= int(topup::Operators.size())) return;
    Text1[2]->setText(topup::Operators[size_t(Index)]);
}

void movile::DINEROS_Click(int Index) {
    if (Index < 0 || Index >= int(topup::ButtonAmounts.size())) return;
    Text1[1]->setText(topup::addAmount(Text1[1]->text(), topup::ButtonAmounts[size_t(Index)]));
}

void movile::Command2_Click() {
    for (QLineEdit* box : Text1)
        box->clear();
}

void movile::Command3_Click() {
    const TopUpTask task{Label2, Label3, Label4};
    if (!topup::isRightEntry(task, Text1[0]->text(), Text1[1]->text(), Text1[2]->text())) return;
    drawTask();
    for (QLineEdit* box : Text1)
        box->clear();
    Label6->setText(QString::number(qint64(numericValue(Label6->text())) + 1));
}
