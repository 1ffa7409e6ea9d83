#include "textwork/copytyping.h"
#include "core/centrewindow.h"
#include "core/controls.h"
#include "core/cp1252.h"
#include "core/fonts.h"
#include "core/sharedstate.h"
#include "core/speakerpicture.h"
#include "textwork/copytypingbox.h"
#include "textwork/gaptypingbinding.h"
#include "textwork/linebreaks.h"
#include "textwork/sampletextcorpus.h"
#include "workshop/picturetools.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {
const QColor Background(224, 224, 224);
const QColor ModelGreen(192, 255, 192);
const QColor MarkerRed(255, 0, 0);
const QColor GuideBand(255, 255, 140);
const QColor GuideLine(0, 128, 0);
constexpr int BottomTop = 9720;

QPushButton* textButton(QWidget* parent, const QByteArray& name, int left, int top, int size) {
    auto* button = control<QPushButton>(parent, name.constData(), left, top, size, size);
    // A click leaves the focus in the typing box.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}
} // namespace

form50::form50(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);
    setGround(client, Background);

    // The frame holds the model panel on its left and the marker behind the typing box.
    Frame1 = control<QFrame>(client, "Frame1", 315, 900, 14685, 8655);
    Frame1->setFrameStyle(QFrame::Box | QFrame::Plain);
    setTextColour(Frame1, QColor(160, 160, 160));
    Picture1 = control<PictureBox>(Frame1, "Picture1", 45, 45, 7305, 8500);
    Picture1->setBackColor(ModelGreen);
    Shape2 = control<QFrame>(Picture1, "Shape2", 90, 630, 7080, 150);
    Shape2->setFrameStyle(QFrame::Box | QFrame::Plain);
    setGround(Shape2, GuideBand);
    setTextColour(Shape2, GuideLine);
    Shape2->setAttribute(Qt::WA_TransparentForMouseEvents);
    Line1 = control<QWidget>(Picture1, "Line1", 2700, 0, 15, 8415);
    setGround(Line1, GuideLine);
    Line1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label8 = control<QLabel>(Picture1, "Label8", 45, 45, 7185, 8400);
    Label8->setText(QStringLiteral("Label8"));
    Label8->setTextFormat(Qt::PlainText);
    Label8->setWordWrap(true);
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(Label8, Qt::black); // not the frame's grey
    Picture2 = control<PictureBox>(Frame1, "Picture2", 7380, 45, 7275, 8490);
    Picture2->setBackColor(MarkerRed);
    Picture2->hide();

    Text1 = control<CopyTypingBox>(client, "Text1", 7740, 990, 7185, 8400);
    Text1->setFont(designFont("Arial", 21.75));
    setColours(Text1, QPalette::Base, Qt::white, QPalette::Text, Qt::black);
    // The design lets the box run past the window's right edge; lines wrap where it is seen.
    Text1->setHiddenRight(Text1->geometry().right() + 1 - client->width());
    Text2 = control<QPlainTextEdit>(client, "Text2", 7740, 990, 2000, 500);
    Text2->hide();

    Label7 = control<QLabel>(client, "Label7", 11430, BottomTop, 975, 285);
    Label7->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label7->setAlignment(Qt::AlignCenter);
    Text4 = control<QLineEdit>(client, "Text4", 12510, BottomTop, 975, 285);
    Text4->setText(QStringLiteral("Text4"));
    Text5 = control<QLineEdit>(client, "Text5", 13500, BottomTop, 975, 285);
    Text5->setText(QStringLiteral("Text4"));
    for (QLineEdit* box : {Text4, Text5}) {
        // The clock and the date are written by the window alone.
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setAlignment(Qt::AlignCenter);
    }
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);

    for (int k = 0; k < SpanishCount; ++k) {
        Command1[size_t(k)] =
            textButton(client, "Command1_" + QByteArray::number(k), 4485 + 240 * k, 9735, 255);
        connect(Command1[size_t(k)], &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
    }
    for (int k = 0; k < CatalanCount; ++k) {
        ccc[size_t(k)] = textButton(client, "ccc_" + QByteArray::number(k), 10845 - 270 * k, BottomTop, 285);
        connect(ccc[size_t(k)], &QPushButton::clicked, this, [this, k] { ccc_Click(k); });
    }
    ti.fill(QStringLiteral("Label1"));
    Label13.fill(QStringLiteral("Label13"));

    ARXIUS = menuBar()->addMenu(QStringLiteral("ARXIUS"));
    ARXIUS->setObjectName(QStringLiteral("ARXIUS"));
    aey = ARXIUS->addAction(QStringLiteral("OBRIR UN DOCUMENT NOU"));
    aey->setObjectName(QStringLiteral("aey"));
    SSSS = menuBarItem(this, "SSSS", QStringLiteral("ENTRAR TEXTE"));
    PERMETRE = menuBar()->addMenu(QStringLiteral("PERMETRE L'ERROR"));
    PERMETRE->setObjectName(QStringLiteral("PERMETRE"));
    siss = PERMETRE->addAction(QStringLiteral("SI..."));
    siss->setObjectName(QStringLiteral("siss"));
    siss->setCheckable(true);
    siss->setChecked(true);
    noss = PERMETRE->addAction(QStringLiteral("NO..."));
    noss->setObjectName(QStringLiteral("noss"));
    noss->setCheckable(true);
    AQAAA = menuBarItem(this, "AQAAA", QStringLiteral("NAVEGADOR"));

    makeTools();
    Picture5->setPicture(drawSpeakerPicture());

    connect(siss, &QAction::triggered, this, &form50::siss_Click);
    connect(noss, &QAction::triggered, this, &form50::noss_Click);
    connect(Text1, &CopyTypingBox::KeyDown, this, &form50::Text1_KeyDown);
    connect(Text1, &CopyTypingBox::KeyUp, this, &form50::Text1_KeyUp);
    connect(Text1, &CopyTypingBox::DblClick, this, &form50::Text1_DblClick);
    connect(Timer1, &QTimer::timeout, this, &form50::Timer1_Timer);
}

void form50::Form_Load() {
    Picture5->setVisible(services.state.SpeechFlag() == 1);
    // The model is laid out as the typing box lays out its text.
    Label8->setFont(Text1->font());
    Label8->resize(Text1->size());
    const int inset = Text1->frameWidth() + int(Text1->document()->documentMargin());
    const int hidden = Text1->geometry().right() + 1 - client->width();
    Label8->setContentsMargins(inset, inset, inset + qMax(0, hidden), inset);

    for (int k = 0; k < SpanishCount; ++k)
        ti[size_t(k)] = SampleTextCorpus::copyTypingSpanishText(k);
    for (int k = 0; k < SampleTextCorpus::CopyTypingCatalanCount; ++k)
        Label13[size_t(k)] = SampleTextCorpus::copyTypingCatalanText(k);
    // The thirteenth Catalan button offers the further Catalan text.
    Label13[12] = SampleTextCorpus::extraCatalanText();

    centreOnScreen(this);
    setCheckText(typedText());
    Text1->clear();
    restartClock();
    Text5->setText(copytyping::dateText(now().date()));
    Label8->setText(Text1->toPlainText());
    Timer1_Timer();
    Timer1->start();
    Text1->setFocus();
}

void form50::Form_Unload(bool& cancel) {
    Q_UNUSED(cancel);
    Timer1->stop();
    services.state.clearActivityCode();
}

QString form50::shownModel() const {
    return toCrLf(Label8->text());
}

QString form50::checkText() const {
    return toCrLf(boxText(Text2));
}

QString form50::typedText() const {
    return toCrLf(boxText(Text1));
}

int form50::caret() const {
    return linebreaks::crlfPosition(typedText(), Text1->textCursor().position());
}

copytyping::Mode form50::mode() const {
    return siss->isChecked() ? copytyping::Mode::Free : copytyping::Mode::Check;
}

void form50::setCheckText(const QString& text) {
    Text2->setPlainText(linebreaks::toBox(toCrLf(text)));
}

void form50::setModel(const QString& text) {
    setCheckText(text);
    Label8->setText(linebreaks::toBox(toCrLf(text)));
    modelHidden = false;
}

void form50::Command1_Click(int Index) {
    if (Index >= 0 && Index < SpanishCount) setModel(ti[size_t(Index)]);
}

void form50::ccc_Click(int Index) {
    if (Index >= 0 && Index < CatalanCount) setModel(Label13[size_t(Index)]);
}

void form50::siss_Click() {
    siss->setChecked(true);
    noss->setChecked(false);
}

void form50::noss_Click() {
    noss->setChecked(true);
    siss->setChecked(false);
}

void form50::restartClock() {
    Label6 = copytyping::secondsOfDay(now().time());
}

void form50::Timer1_Timer() {
    const int seconds = copytyping::elapsedSeconds(Label6, copytyping::secondsOfDay(now().time()));
    Text4->setText(QString::number(seconds));
}

void form50::Text1_KeyDown(int KeyCode) {
    Q_UNUSED(KeyCode);
    const copytyping::KeyDown step = copytyping::keyDown(typedText(), checkText(), caret(), mode());
    if (step.restartClock) restartClock();
    if (!step.checked) return;
    Picture2->setVisible(step.marker);
    Label7->setText(QString::number(step.position));
}

void form50::Text1_KeyUp(int KeyCode) {
    const QString typed = typedText();
    const copytyping::KeyUp step = copytyping::keyUp(typed, checkText(), KeyCode, mode());
    if (!step.acted) return;
    QTextCursor end(Text1->document());
    end.movePosition(QTextCursor::End);
    // The last character of the box is the last of the text; a line break is one in the box.
    if (step.typed != typed) end.deletePreviousChar();
    Text1->setTextCursor(end);
}

void form50::Text1_DblClick() {
    // The check goes on against the chosen text while the learner can no longer read it.
    Label8->setText(QStringLiteral("0"));
    modelHidden = true;
}
