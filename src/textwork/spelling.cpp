#include "textwork/spelling.h"
#include "core/controls.h"
#include "core/sharedstate.h"
#include "textwork/gaptextbox.h"
#include "textwork/gaptypingbinding.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

namespace {
const QColor Background(224, 224, 224);
const QColor TextColour(64, 64, 64);
const QColor CounterText(0, 0, 64);
const QColor HintYellow(255, 255, 0);

QFont makeFont(const char* family, double points, bool bold) {
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void setColours(QWidget* w, QPalette::ColorRole ground, const QColor& back, QPalette::ColorRole ink,
                const QColor& text) {
    QPalette p = w->palette();
    p.setColor(ground, back);
    p.setColor(ink, text);
    w->setPalette(p);
}

QFrame* frameShape(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* shape = control<QFrame>(parent, name, left, top, width, height);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(1);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette p = shape->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    shape->setPalette(p);
    return shape;
}

// A white box with a border for the counter row.
QLabel* counterBox(QWidget* parent, const char* name, int left) {
    auto* label = control<QLabel>(parent, name, left, 6840, 840, 300);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(makeFont("Arial", 12, true));
    setColours(label, QPalette::Window, Qt::white, QPalette::WindowText, CounterText);
    return label;
}
} // namespace

// The tool strip (top 60, 630 high) and the font presets below it (top 750, 585 high) stand above
// Text1; the text buttons take the two rows at the bottom (tops 7755 and 8025).
cancions::cancions(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);
    client->setAutoFillBackground(true);
    setColours(client, QPalette::Window, Background, QPalette::WindowText, Qt::black);

    Shape1 = frameShape(client, "Shape1", 60, 1395, 12090, 6270);
    Text1 = control<GapTextBox>(client, "Text1", 120, 1440, 11970, 3630);
    Text2 = control<QPlainTextEdit>(client, "Text2", 120, 1440, 2000, 500);
    Text3 = control<QPlainTextEdit>(client, "Text3", 120, 1440, 2000, 500);
    Shape3 = frameShape(client, "Shape3", 120, 6780, 2940, 420);
    Label15 = control<QLabel>(client, "Label15", 180, 6840, 1020, 300);
    Label9 = counterBox(client, "Label9", 1260);
    Label10 = counterBox(client, "Label10", 2160);
    Picture2 = control<PictureBox>(client, "Picture2", ButtonsLeft, ButtonsTop, 8640, 750);
    Label17 = control<QLabel>(Picture2, "Label17", 60, 60, 8520, 630);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);

    Text1->setFont(makeFont("Courier New", 21.75, false));
    setColours(Text1, QPalette::Base, Qt::white, QPalette::Text, TextColour);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text2->hide();
    Text3->hide();
    Label15->setText(QStringLiteral("espais:"));
    Label15->setFont(makeFont("Arial", 12, true));
    Label15->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
    Picture2->setBackColor(HintYellow);
    Label17->setFont(makeFont("Courier New", 27.75, true));
    Label17->setTextFormat(Qt::PlainText);
    setColours(Label17, QPalette::Window, HintYellow, QPalette::WindowText, Qt::black);
    Picture2->hide();

    typing = new GapTypingBinding(engine,
                                  {.Text1 = Text1,
                                   .Text2 = Text2,
                                   .Text3 = Text3,
                                   .Label9 = Label9,
                                   .Label10 = Label10,
                                   .Label11 = nullptr,
                                   .Picture2 = Picture2,
                                   .Label17 = Label17,
                                   .Timer1 = Timer1},
                                  this);
    Label9->clear();
    Label10->clear();
}

void cancions::Form_Load() {
    Text1->setPlainText(Text2->toPlainText());
    Text3->setPlainText(Text2->toPlainText());
    // Every text is empty yet: the default exercise is empty and counts nothing.
    typing->startExercise(QString(), engine.Text2(), 0);
    Text1->setFocus();
}

void cancions::Form_Unload(bool& cancel) {
    Q_UNUSED(cancel);
    services.state.clearActivityCode();
}

void cancions::bata() {
    engine.bata();
    typing->refresh();
}

void cancions::Timer1_Timer() {
    typing->Timer1_Timer();
}

void cancions::pasteClipboardText() {
    const QString text = QGuiApplication::clipboard()->text();
    Text1->setPlainText(text);
    Text3->setPlainText(text);
}
