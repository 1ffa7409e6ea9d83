#include "wordgames/typewriter.h"
#include "core/basepanel.h"
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/folders.h"
#include "core/mouseevents.h"
#include "core/random.h"
#include "core/sharedstate.h"
#include "core/speakerpicture.h"
#include "core/tata.h"
#include "core/twips.h"
#include "wordgames/wordlistfile.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace {
constexpr int KeyEnter = 13;
const QColor BackColour(50, 50, 50);
const QColor StripeColour(33, 55, 112);
const QColor HiddenLetter(250, 250, 250);
const QColor ShownLetter(20, 20, 120);

constexpr int StripeCount = 555;
constexpr int StripeStepTwips = 122;
constexpr int StripeHeightTwips = 12;

constexpr int BoxLeft = 1170;
constexpr int BoxStep = 675;

QFont boldFont(const char* family, double points) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// A letter box shows its one character in the given colours, selected or not, so that selecting a
// hidden letter with the mouse does not give it away.
void setLetterColours(QLineEdit* box, const QColor& text, const QColor& back) {
    QPalette pal = box->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Text, text);
        pal.setColor(group, QPalette::HighlightedText, text);
        pal.setColor(group, QPalette::Base, back);
        pal.setColor(group, QPalette::Highlight, back);
    }
    box->setPalette(pal);
}

// A typing box. Its letter is drawn in its background colour until it is typed, and so is the
// text cursor; a bar under the letter shows the box the keyboard types into.
class TypingBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLineEdit::paintEvent(event);
        if (window()->focusWidget() != this) return;
        QPainter p(this);
        p.fillRect(QRect(6, height() - 12, width() - 12, 3), ShownLetter);
    }
};

// Where key i lies: its left and top, and its width (the keys are 700 x 825 twips, p and a wider,
// z wider still).
struct KeyPlace {
    int left, top, width;
};
KeyPlace keyPlace(int i) {
    constexpr int step = 720;
    if (i <= 9) return {1260 + step * i, 3675, i == 9 ? 795 : 700};
    if (i == 10) return {1260, 4530, 795};
    if (i <= 19) return {2070 + step * (i - 11), 4530, 700};
    if (i == 20) return {6705, 5385, 700};
    if (i == 21) return {1260, 5385, 1110};
    return {2385 + step * (i - 22), 5385, 700};
}
} // namespace

palabrejas::palabrejas(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient<PictureBox>(this, ClientWidthTwips, ClientHeightTwips);

    idiomas = menuBarItem(this, "idiomas", QStringLiteral("LLISTES"));
    tttty = menuBarItem(this, "tttty", QStringLiteral("MAYÚSCULES"));
    eqw = menuBarItem(this, "eqw", QStringLiteral("MINÚSCULES"));
    sas = menuBarItem(this, "sas", QStringLiteral("REFRESCAR"));
    filtress = menuBar()->addMenu(QStringLiteral("FILTRE"));
    filtress->setObjectName(QStringLiteral("filtress"));
    auto* filters = new QActionGroup(this); // exactly one item carries the mark
    a1 = filtress->addAction(QStringLiteral("4 LLETRES"));
    a2 = filtress->addAction(QStringLiteral("6 LLETRES"));
    a3 = filtress->addAction(QStringLiteral("11 LLETRES"));
    const char* const itemNames[] = {"a1", "a2", "a3"};
    int n = 0;
    for (QAction* item : {a1, a2, a3}) {
        item->setObjectName(QLatin1String(itemNames[n++]));
        item->setCheckable(true);
        filters->addAction(item);
    }
    a3->setChecked(true);

    // Hidden holders the comic strip fills.
    List2 = control<QListWidget>(client, "List2");
    List2->hide();
    for (int i = 0; i < PanelCount; ++i) {
        const QByteArray name = "Picture7_" + QByteArray::number(i);
        Picture7[i] = control<PictureBox>(client, name.constData(), 0, 0, 2040, 1500);
        Picture7[i]->hide();
    }

    base = control<PictureBox>(client, "base", 1380, 540, 12630, 8685);
    base->setPicture(drawBasePanel());
    Shape1 = control<QFrame>(base, "Shape1", 1215, 3630, 7350, 3120);
    for (int i = 0; i < TypewriterBoxCount; ++i) {
        const QByteArray model = "Text1_" + QByteArray::number(i);
        const QByteArray typed = "c_" + QByteArray::number(i);
        Text1[i] = control<QLineEdit>(base, model.constData(), BoxLeft + BoxStep * i, 1110, 690, 1215);
        c[i] = control<TypingBox>(base, typed.constData(), BoxLeft + BoxStep * i, 2370, 690, 1215);
    }
    const QString letters = keyLetters();
    for (int i = 0; i < KeyCount; ++i) {
        const QByteArray name = "Command2_" + QByteArray::number(i);
        const KeyPlace place = keyPlace(i);
        Command2[i] = control<QPushButton>(base, name.constData(), place.left, place.top, place.width, 825);
        Command2[i]->setText(letters.mid(i, 1));
    }
    Command1 = control<QPushButton>(base, "Command1", 1260, 7020, 7260, 465);
    List1 = control<QListWidget>(base, "List1", 8820, 1155, 2715, 3720);
    Image1 = control<QLabel>(base, "Image1", 8955, 5160, 2445, 1635);
    Picture3 = control<PictureBox>(base, "Picture3", 7515, 5790, 885, 360);

    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(1);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette frame = Shape1->palette();
    frame.setColor(QPalette::WindowText, Qt::black);
    Shape1->setPalette(frame);

    const QFont letterFont = boldFont("Courier New", 48);
    for (int i = 0; i < TypewriterBoxCount; ++i) {
        for (QLineEdit* box : {Text1[i], c[i]}) {
            box->setFont(letterFont);
            box->setMaxLength(1);
            box->setAlignment(Qt::AlignCenter);
            box->setTextMargins(0, 0, 0, 0);
            box->setContextMenuPolicy(Qt::NoContextMenu);
            box->setAcceptDrops(false);
        }
        // The model is there to be copied, not changed.
        Text1[i]->setReadOnly(true);
        Text1[i]->setFocusPolicy(Qt::NoFocus);
        // The typing row changes only through the rules of the game.
        c[i]->installEventFilter(this);
    }
    const QFont keyFont = boldFont("Times New Roman", 36);
    for (int i = 0; i < KeyCount; ++i) {
        Command2[i]->setFont(keyFont);
        connect(Command2[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    }
    Command1->setText(QStringLiteral(">>>>"));
    Command1->setFont(boldFont("Courier New", 14.25));
    List1->setFont(boldFont("Courier New", 27.75));
    QPalette white = List1->palette();
    white.setColor(QPalette::Base, Qt::white);
    List1->setPalette(white);
    Image1->setAlignment(Qt::AlignCenter);
    Picture3->setPicture(drawSpeakerPicture());
    Picture3->setCursor(Qt::PointingHandCursor);

    connect(idiomas, &QAction::triggered, this, &palabrejas::idiomas_Click);
    connect(tttty, &QAction::triggered, this, &palabrejas::tttty_Click);
    connect(eqw, &QAction::triggered, this, &palabrejas::eqw_Click);
    connect(sas, &QAction::triggered, this, &palabrejas::sas_Click);
    connect(a1, &QAction::triggered, this, &palabrejas::a1_Click);
    connect(a2, &QAction::triggered, this, &palabrejas::a2_Click);
    connect(a3, &QAction::triggered, this, &palabrejas::a3_Click);
    connect(Command1, &QPushButton::clicked, this, &palabrejas::Command1_Click);
    connect(new MouseEvents(Picture3), &MouseEvents::Click, this, &palabrejas::Picture3_Click);
}

void palabrejas::Form_Load() {
    Picture3->hide();
    if (services.state.SpeechFlag() == 1) Picture3->show();
    client->setBackColor(BackColour);
}

void palabrejas::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

int palabrejas::lengthLimit() const {
    if (a1->isChecked()) return TypewriterLimits[0];
    if (a2->isChecked()) return TypewriterLimits[1];
    return TypewriterLimits[2];
}

bool palabrejas::wordComplete() const {
    return dealt_ && Label2 >= letters_.size();
}

void palabrejas::llena() {
    services.random.reseedFromClock();
    QStringList pool;
    pool.reserve(List2->count());
    for (int i = 0; i < List2->count(); ++i)
        pool.append(List2->item(i)->text());
    const int limit = lengthLimit();
    const int r = dealTypewriterWord(pool, limit, services.random);
    Label1 = r >= 0 ? pool[r] : QString();
    // A word with no panel of its own (none dealt, or one past the strip's panels) shows none,
    // not the picture of the word before.
    if (r >= 0 && r < PanelCount)
        showPanel(r);
    else
        Image1->clear();
    setWindowTitle(QString::number(limit));

    // Laid out without its surrounding blanks, so a caption typed after a blank loses no letter.
    letters_ = typewriterLetters(Label1).left(TypewriterBoxCount);
    for (int i = 0; i < TypewriterBoxCount; ++i) {
        const bool used = i < letters_.size();
        const QString letter = used ? letters_.mid(i, 1) : QString();
        Text1[i]->setText(letter);
        c[i]->setText(letter);
        setLetterColours(c[i], HiddenLetter, HiddenLetter);
        Text1[i]->setVisible(used);
        c[i]->setVisible(used);
    }
    revealed_.fill(false);
    Label2 = 0;
    dealt_ = true;
    if (!c[0]->isHidden()) c[0]->setFocus();
}

void palabrejas::showPanel(int position) {
    const QImage& picture = Picture7[position]->Picture();
    if (picture.isNull()) {
        Image1->clear();
        return;
    }
    // A panel larger than the frame is shown whole, made smaller.
    const QSize frame = Image1->size();
    const QImage shown = picture.width() > frame.width() || picture.height() > frame.height()
                             ? picture.scaled(frame, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                             : picture;
    Image1->setPixmap(QPixmap::fromImage(shown));
}

void palabrejas::reveal(int box, const QString& shown) {
    c[box]->setText(shown);
    setLetterColours(c[box], ShownLetter, HiddenLetter);
    // A box counts once, however often its letter is typed.
    if (!revealed_[box]) {
        revealed_[box] = true;
        ++Label2;
    }
}

void palabrejas::c_KeyDown(int Index, const QString& typed) {
    if (!dealt_ || wordComplete()) return;
    if (Index < 0 || Index >= letters_.size()) return;
    if (typed.isEmpty() || !typed.front().isPrint()) return;
    const QString letter = letters_.mid(Index, 1);
    if (!typedMatches(typed, letter)) return;
    reveal(Index, letter);
    if (Index + 1 < letters_.size()) c[Index + 1]->setFocus();
}

void palabrejas::c_KeyUp(int, int KeyCode) {
    if (KeyCode == KeyEnter) Command1_Click();
}

void palabrejas::Command1_Click() {
    if (typewriterLetters(Label1).size() != Label2) return;
    List1->addItem(Label1);
    llena();
}

void palabrejas::Command2_Click(int Index) {
    if (!dealt_ || wordComplete()) return;
    // The keys fill the first box still to be revealed.
    const auto* box = std::find(revealed_.begin(), revealed_.begin() + letters_.size(), false);
    const int k = int(box - revealed_.begin());
    if (k >= letters_.size()) return;
    const QString key = Command2[Index]->text();
    if (key.toUpper() != letters_.mid(k, 1).toUpper()) return;
    reveal(k, key);
}

void palabrejas::Picture3_Click() {
    SpeakText(services, Label1);
}

void palabrejas::tttty_Click() {
    for (QPushButton* key : Command2)
        key->setText(key->text().toUpper());
}

void palabrejas::eqw_Click() {
    for (QPushButton* key : Command2)
        key->setText(key->text().toLower());
}

void palabrejas::sas_Click() {
    llena();
}

void palabrejas::markFilter(QAction* item) {
    // The new limit applies from the next deal.
    item->setChecked(true);
}

void palabrejas::a1_Click() {
    markFilter(a1);
}

void palabrejas::a2_Click() {
    markFilter(a2);
}

void palabrejas::a3_Click() {
    markFilter(a3);
}

void palabrejas::idiomas_Click() {
    const QString folder = folderPath(services.programFolder, QStringLiteral("llistes"));
    const std::optional<QString> chosen =
        chooseFile(services, this, {folder, QStringLiteral("(*.bak)|*.bak|"), QString()});
    if (!chosen) return;

    setCursor(Qt::WaitCursor);
    List2->clear();
    List2->addItems(ReadWordList(*chosen, WordMaxLength));
    setCursor(Qt::ArrowCursor);
    drawStripes();
    llena();
}

void palabrejas::drawStripes() {
    QImage surface(client->size(), QImage::Format_RGB32);
    surface.fill(BackColour);
    QPainter p(&surface);
    for (int k = 1; k <= StripeCount; ++k) {
        const int top = tw(StripeStepTwips * k);
        if (top >= surface.height()) break;
        const int bottom = tw(StripeStepTwips * k + StripeHeightTwips);
        p.fillRect(QRect(0, top, surface.width(), bottom - top + 1), StripeColour);
    }
    p.end();
    client->setPicture(surface);
}

bool palabrejas::eventFilter(QObject* watched, QEvent* event) {
    const auto* box = std::find(c.begin(), c.end(), watched);
    if (box == c.end()) return MainForm::eventFilter(watched, event);
    const int index = int(box - c.begin());
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) c_KeyDown(index, key->text());
        return true;
    }
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat())
            c_KeyUp(index, key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ? KeyEnter : 0);
        return true;
    }
    case QEvent::InputMethod: {
        // Letters made with a dead key or a compose sequence arrive here.
        const auto* input = static_cast<QInputMethodEvent*>(event);
        if (!input->commitString().isEmpty()) c_KeyDown(index, input->commitString());
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // The middle button would paste the selection into the box.
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
    default:
        return MainForm::eventFilter(watched, event);
    }
}
