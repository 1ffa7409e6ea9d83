#include "textwork/player.h"
#include "core/centrewindow.h"
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/cp1252.h"
#include "core/folders.h"
#include "core/fonts.h"
#include "core/numericvalue.h"
#include "core/sharedstate.h"
#include "textwork/gapexercise.h"
#include "textwork/gaptextbox.h"
#include "textwork/gaptypingbinding.h"
#include "textwork/linebreaks.h"
#include "textwork/playertoolbar.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QTime>
#include <QTimer>

Q_LOGGING_CATEGORY(lcPlayer, "taudrin.player")

namespace {
const QColor Background(224, 224, 224);
const QColor TextColour(64, 64, 64);
const QColor FullTextGround(192, 192, 255);
const QColor CounterText(0, 0, 64);

QFrame* frame(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* f = control<QFrame>(parent, name, left, top, width, height);
    f->setFrameStyle(QFrame::Box | QFrame::Plain);
    return f;
}

QLabel* hiddenLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* label = control<QLabel>(parent, name);
    label->setText(caption);
    label->hide();
    return label;
}

ClickZone* zone(QWidget* toolbar, const char* name, int left, int top, int width, int height) {
    auto* z = control<ClickZone>(toolbar, name, left, top, width, height);
    z->setCursor(Qt::PointingHandCursor);
    return z;
}

void place(QWidget* box, const QRect& twips) {
    box->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
}
} // namespace

Form14::Form14(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);
    client->setAutoFillBackground(true);
    setColours(client, QPalette::Window, Background, QPalette::WindowText, Qt::black);
    AAAER = menuBarItem(this, "AAAER", QStringLiteral("ARXIUS"));
    SAAAA = menuBarItem(this, "SAAAA", QStringLiteral("EDITAR TEXTES"));

    Shape1 = frame(client, "Shape1", 180, 120, 14955, 9825);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);

    List1 = control<QListWidget>(client, "List1", 360, 345, 2550, 6240);
    List1->setFont(designFont("Courier New", 15.75, true));
    setColours(List1, QPalette::Base, Qt::white, QPalette::Text, Qt::black);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // 260 titles of 30 characters in a fixed-pitch font: one entry's size is every entry's, so the
    // list need not measure each one.
    List1->setUniformItemSizes(true);
    keepScrollBarPictures(List1);

    Picture1 = control<PictureBox>(client, "Picture1", 450, 6735, 2280, 3000);
    Picture1->setBackColor(Background);
    Picture1->setPicture(playertoolbar::image());
    Label27 = zone(Picture1, "Label27", 180, 180, 420, 555);
    Label30 = zone(Picture1, "Label30", 675, 180, 510, 555);
    Label29 = zone(Picture1, "Label29", 1125, 225, 510, 510);
    Label28 = zone(Picture1, "Label28", 1620, 180, 420, 555);
    Label25 = zone(Picture1, "Label25", 1125, 1350, 465, 510);

    Picture5 = control<PictureBox>(client, "Picture5", 3060, 255, 11895, 9240);
    Picture5->setBackColor(Background);
    Text1 = control<GapTextBox>(Picture5, "Text1");
    Text1->setFont(designFont("Courier New", 26.25, true));
    setColours(Text1, QPalette::Base, Qt::white, QPalette::Text, TextColour);
    Text3 = control<QPlainTextEdit>(Picture5, "Text3");
    Text3->setFont(designFont("Courier New", 14.25, false));
    setColours(Text3, QPalette::Base, FullTextGround, QPalette::Text, TextColour);
    for (QPlainTextEdit* box : {static_cast<QPlainTextEdit*>(Text1), Text3}) {
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        keepScrollBarPictures(box);
    }

    makeFrames();
    makeTools();

    Text4 = control<QLineEdit>(client, "Text4");
    Text4->setText(QStringLiteral("Text4"));
    Text4->hide();
    List2 = control<QListWidget>(client, "List2");
    List2->hide();
    Label2 = hiddenLabel(client, "Label2", QStringLiteral("Label2"));
    Label12 = hiddenLabel(client, "Label12", QStringLiteral("Label12"));
    Label14 = hiddenLabel(client, "Label14", QStringLiteral("0"));
    Label18 = hiddenLabel(client, "Label18", QStringLiteral("1"));
    Label19 = hiddenLabel(client, "Label19", QStringLiteral("Label19"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    // The typing timer sleeps while the caret rests, so the clock keeps its own.
    clock = new QTimer(this);
    clock->setObjectName(QStringLiteral("clock"));
    clock->setInterval(1000);

    engine.keyFilter = [this](QChar typed) { return playerrules::keyAccepted(keys(), typed); };
    typing = new GapTypingBinding(engine,
                                  {.Text1 = Text1,
                                   .Text2 = Text2,
                                   .Text3 = nullptr,
                                   .Label9 = Label9,
                                   .Label10 = Label10,
                                   .Label11 = Label11,
                                   .Picture2 = nullptr,
                                   .Label17 = nullptr,
                                   .Timer1 = Timer1},
                                  this);
    Label9->clear();
    Label10->setText(QStringLiteral("Label10"));
    Label11->clear();

    connect(AAAER, &QAction::triggered, this, &Form14::AAAER_Click);
    connect(SAAAA, &QAction::triggered, this, &Form14::SAAAA_Click);
    // A click loads, even on the entry already selected; Enter loads the entry the arrows reached.
    connect(List1, &QListWidget::itemClicked, this, &Form14::List1_Click);
    List1->installEventFilter(this);
    connect(Label25, &ClickZone::Click, this, &Form14::Label25_Click);
    connect(Label27, &ClickZone::Click, this, &Form14::Label27_Click);
    connect(Label28, &ClickZone::Click, this, &Form14::Label28_Click);
    connect(Label29, &ClickZone::Click, this, &Form14::Label29_Click);
    connect(Label30, &ClickZone::Click, this, &Form14::Label30_Click);
    connect(clock, &QTimer::timeout, this, &Form14::showTime);
    showTime();
    clock->start();
}

void Form14::makeFrames() {
    Frame1 = frame(client, "Frame1", 15975, 5190, 11205, 7035);
    Text2 = control<QPlainTextEdit>(Frame1, "Text2", 120, 240, 10935, 6675);
    Text2->setPlainText(QStringLiteral("Text2"));
    Text2->hide();

    Frame5 = frame(client, "Frame5", 17220, 2415, 11205, 585);
    Picture4 = control<PictureBox>(Frame5, "Picture4", 60, 90, 420, 420);
    Text7 = control<QLineEdit>(Frame5, "Text7", 540, 150, 1800, 315);
    Text7->setText(QStringLiteral("Possició actual:"));
    Label9 = control<QLabel>(Frame5, "Label9", 2400, 150, 840, 315);
    Label11 = control<QLabel>(Frame5, "Label11", 3360, 150, 2400, 315);
    Label11->setFont(designFont("Arial", 12, true));
    setColours(Label11, QPalette::Window, Background, QPalette::WindowText, CounterText);
    Label10 = control<QLabel>(Frame5, "Label10", 5880, 150, 840, 315);
    Label10->hide();
    Label8_15 = control<QLabel>(Frame5, "Label8_15", 6840, 150, 840, 315);
    Label8_15->setText(QStringLiteral("Temps:"));
    Text6 = control<QLineEdit>(Frame5, "Text6", 7740, 150, 1200, 315);
    Text6->setText(QStringLiteral("Text4"));
    Text6->setReadOnly(true);
    Text8 = control<QLineEdit>(Frame5, "Text8", 9000, 150, 1200, 315);
    Text8->setReadOnly(true);
    Label15 = hiddenLabel(Frame5, "Label15", QStringLiteral("Label15"));
    Label16 = hiddenLabel(Frame5, "Label16", QStringLiteral("Label16"));

    Frame4 = frame(client, "Frame4", 17460, 3975, 10995, 7440);
    Combo3 = control<QComboBox>(Frame4, "Combo3", 2820, 180, 1815, 315);
    Combo3->setEditable(true);
    Label20 = hiddenLabel(Frame4, "Label20", QStringLiteral("0"));
}

bool Form14::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            List1_Click();
            return true;
        }
    }
    return MainForm::eventFilter(watched, event);
}

void Form14::Form_Load() {
    centreOnScreen(this);
    Combo3->setEditText(QStringLiteral("Fonts"));
    Text2->clear();
    List1->clear();
    List1->addItems(playerrules::exerciseTitles(services.programFolder));
    Label2->setText(numberedGapExercisePath(services.programFolder, gapexercise::LastNumber));
    applyLayout(playerrules::Layout::Stacked);
}

void Form14::Form_Unload(bool& cancel) {
    Q_UNUSED(cancel);
    clock->stop();
    services.state.clearActivityCode();
}

void Form14::List1_Click() {
    const int row = List1->currentRow();
    if (row < 0) return;
    const QString path = numberedGapExercisePath(services.programFolder, row + 1);
    const std::optional<GapExercise> read = readGapExercise(path, gapexercise::OpenLength);
    if (!read) return; // a file that cannot be read leaves the window as it was
    Label2->setText(path);
    List1->item(row)->setText(read->title);
    loadExercise(*read);
}

void Form14::AAAER_Click() {
    const std::optional<QString> chosen = chooseFile(
        services, this, {folderPath(services.programFolder, QStringLiteral("data")), QString(), QString()});
    if (!chosen) return;
    const std::optional<GapExercise> read = readGapExercise(*chosen, gapexercise::OpenLength);
    if (!read) {
        qCWarning(lcPlayer) << "not an exercise" << *chosen;
        return;
    }
    Label2->setText(*chosen);
    if (QListWidgetItem* entry = List1->currentItem(); entry && entry->isSelected())
        entry->setText(read->title);
    loadExercise(*read);
}

void Form14::SAAAA_Click() {
    services.forms.show(QStringLiteral("grabaci"));
}

void Form14::Label25_Click() {
    SAAAA_Click();
}

void Form14::applyLayout(playerrules::Layout layout) {
    const playerrules::LayoutPlaces places = playerrules::layoutPlaces(layout);
    place(Text1, places.text1);
    place(Text3, places.text3);
    if (places.points) {
        QFont f = Text3->font();
        f.setPointSizeF(*places.points);
        Text3->setFont(f);
    }
}

void Form14::loadExercise(const GapExercise& exercise) {
    Text4->setText(exercise.keys);
    const QString full = toCrLf(exercise.text);
    typing->startExercise(full, full, 0);
    Text3->setPlainText(linebreaks::toBox(full));
    blankKeys();
}

QStringList Form14::keys() const {
    QStringList out;
    for (int i = 0; i < List2->count(); ++i)
        out << List2->item(i)->text();
    return out;
}

void Form14::blankKeys() {
    List2->clear();
    List2->addItems(splitGapKeys(Text4->text()));
    const playerrules::Blanked made = playerrules::blankKeys(engine.Text1(), keys());
    typing->startExercise(made.gapped, engine.Text2(), made.blanks);
    Label19->setText(QString::number(made.blanks));
    Text1->setFocus();
}

void Form14::BlankKeysAndShowOriginal() {
    blankKeys();
    Text3->show();
}

void Form14::bata() {
    engine.bata();
    typing->refresh();
}

void Form14::registre() {
    Label18->setText(QString::number(qint64(numericValue(Label18->text())) + 1));
}

void Form14::showTime() {
    Text6->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
}
