#include "textwork/spelling.h"
#include "core/controls.h"
#include "core/fonts.h"
#include "core/sharedstate.h"
#include "textwork/gaptextbox.h"
#include "textwork/gaptypingbinding.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {
const QColor Background(224, 224, 224);
const QColor TextColour(64, 64, 64);
const QColor CounterText(0, 0, 64);
const QColor HintYellow(255, 255, 0);
constexpr int GroupsTop = 7260;
constexpr int GroupStep = 990;

using spellinggaps::Family;

// The letters a button stands for. Some desktops put "&" shortcut marks into the buttons of every
// program; the captions hold no "&" of their own, so any there is such a mark.
QString lettersOf(const QPushButton* button) {
    return button->text().remove(QLatin1Char('&'));
}

template <std::size_t N> QPushButton* buttonAt(const std::array<QPushButton*, N>& buttons, int index) {
    return index >= 0 && index < int(N) ? buttons[index] : nullptr;
}

// Each family's captions by index; a null caption is an index with no button.
const char* const ppCaptions[] = {"v-b", "m-n", "p-t", "p-b", "n-r", "j-g",
                                  "f-j", "x-s", "s-z", "c-z", "d-t", "c-ç"};
const char* const voCaptions[] = {"a-e", "a-i", "e-o", "e-i", "a-o"};
const char* const pppCaptions[] = {"r-rr", "c-qu", "l-ll", "i-ix", nullptr, "l-ll"};
const char* const cccCaptions[] = {"pl", "bl", "qu", "gu", "ch", "pr", "ix", "dr", "rr", "tx", "tj"};
const char* const ppppCaptions[] = {"pr-cr", "pr-cl", "tj-tg", "fr-gr", "gu-ce", "la-el", "el-le"};
const char* const ssiCaptions[] = {"las-los", nullptr, nullptr, nullptr,
                                   nullptr,   nullptr, nullptr, "les-els"};

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
    label->setFont(designFont("Arial", 12, true));
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

    Text1->setFont(designFont("Courier New", 21.75, false));
    setColours(Text1, QPalette::Base, Qt::white, QPalette::Text, TextColour);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text2->hide();
    Text3->hide();
    Label15->setText(QStringLiteral("espais:"));
    Label15->setFont(designFont("Arial", 12, true));
    Label15->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
    Picture2->setBackColor(HintYellow);
    Label17->setFont(designFont("Courier New", 27.75, true));
    Label17->setTextFormat(Qt::PlainText);
    setColours(Label17, QPalette::Window, HintYellow, QPalette::WindowText, Qt::black);
    Picture2->hide();
    makeExerciseButtons();
    makeTextTools();
    Picture2->raise(); // the hint panel shows over the exercise buttons

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

void cancions::makeExerciseButtons() {
    // Four rows of twelve places from the left of the work area; the name of the exercise and the
    // hint panel over the first two rows.
    const auto make = [this](QString name, int row, int column, const char* caption) {
        auto* button = control<QPushButton>(client, qPrintable(name), ButtonsLeft + ButtonStep * column,
                                            ButtonsTop + RowStep * row, ButtonWidth, ButtonHeight);
        button->setText(QString::fromUtf8(caption));
        button->setFont(designFont("Arial", 8.25, true));
        button->setFocusPolicy(Qt::TabFocus);
        return button;
    };
    const auto family = [this, &make](auto& buttons, const char* const* captions, const char* name, int row,
                                      int firstColumn, auto handler) {
        int column = firstColumn;
        for (int i = 0; i < int(buttons.size()); ++i) {
            if (!captions[i]) continue;
            buttons[i] =
                make(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i), row, column++, captions[i]);
            connect(buttons[i], &QPushButton::clicked, this, [handler, i] { handler(i); });
        }
    };
    family(pp, ppCaptions, "pp", 0, 0, [this](int i) { pp_Click(i); });
    family(ccc, cccCaptions, "ccc", 1, 0, [this](int i) { ccc_Click(i); });
    Command3 = make(QStringLiteral("Command3"), 1, 11, "voc");
    family(ppp, pppCaptions, "ppp", 2, 0, [this](int i) { ppp_Click(i); });
    family(vo, voCaptions, "vo", 2, 5, [this](int i) { vo_Click(i); });
    family(ssi, ssiCaptions, "ssi", 2, 10, [this](int i) { ssi_Click(i); });
    family(pppp, ppppCaptions, "pppp", 3, 0, [this](int i) { pppp_Click(i); });
    connect(Command3, &QPushButton::clicked, this, &cancions::Command3_Click);

    etis = control<QLabel>(client, "etis", 8880, ButtonsTop, 3210, 750);
    etis->setText(QStringLiteral("..."));
    etis->setFont(designFont("Courier New", 21.75, true));
    etis->setAlignment(Qt::AlignCenter);
    etis->setFrameStyle(QFrame::Box | QFrame::Plain);
    etis->setTextFormat(Qt::PlainText);

    for (int k = 0; k < int(Text6.size()); ++k) {
        const QByteArray name = "Text6_" + QByteArray::number(k);
        Text6[k] =
            control<QLineEdit>(client, name.constData(), ButtonsLeft + GroupStep * k, GroupsTop, 930, 330);
        Text6[k]->setFont(designFont("Arial", 12, true));
    }
    Command9 = control<QPushButton>(client, "Command9", ButtonsLeft + GroupStep * int(Text6.size()),
                                    GroupsTop, 600, 330);
    connect(Command9, &QPushButton::clicked, this, &cancions::Command9_Click);
}

void cancions::Form_Load() {
    Text1->setPlainText(Text2->toPlainText());
    Text3->setPlainText(Text2->toPlainText());
    // The default exercise hides "v" and "b" in the first 900 characters: with every text still
    // empty it is empty and counts nothing.
    const spellinggaps::Exercise made = spellinggaps::build(
        engine.Text3(), spellinggaps::pieces(Family::pp, lettersOf(pp[0])), spellinggaps::Stretch::First900);
    typing->startExercise(made.gapped, engine.Text2(), made.blanks);
    Text1->setFocus();
}

void cancions::buildExercise(Family family, const QString& caption) {
    QStringList pieces;
    if (family == Family::Command9) {
        QStringList groups;
        for (const QLineEdit* group : Text6)
            groups << group->text();
        pieces = spellinggaps::groupPieces(groups);
    } else {
        pieces = spellinggaps::pieces(family, caption);
    }
    const QString source = engine.Text3();
    const spellinggaps::Exercise made = spellinggaps::build(source, pieces, spellinggaps::stretchOf(family));
    typing->startExercise(made.gapped, source, made.blanks);
    if (family != Family::Command3 && family != Family::Command9) etis->setText(caption);
    if (family == Family::pp) {
        engine.Picture2 = false;
        typing->refresh();
    }
    Text1->setFocus();
}

void cancions::pp_Click(int Index) {
    if (QPushButton* button = buttonAt(pp, Index)) buildExercise(Family::pp, lettersOf(button));
}

void cancions::vo_Click(int Index) {
    if (QPushButton* button = buttonAt(vo, Index)) buildExercise(Family::vo, lettersOf(button));
}

void cancions::ppp_Click(int Index) {
    if (QPushButton* button = buttonAt(ppp, Index)) buildExercise(Family::ppp, lettersOf(button));
}

void cancions::ccc_Click(int Index) {
    if (QPushButton* button = buttonAt(ccc, Index)) buildExercise(Family::ccc, lettersOf(button));
}

void cancions::pppp_Click(int Index) {
    if (QPushButton* button = buttonAt(pppp, Index)) buildExercise(Family::pppp, lettersOf(button));
}

void cancions::ssi_Click(int Index) {
    if (QPushButton* button = buttonAt(ssi, Index)) buildExercise(Family::ssi, lettersOf(button));
}

void cancions::Command3_Click() {
    buildExercise(Family::Command3, lettersOf(Command3));
}

void cancions::Command9_Click() {
    buildExercise(Family::Command9, QString());
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
