#include "wordgames/findtheword.h"
#include "core/basepanel.h"
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/folders.h"
#include "core/mouseevents.h"
#include "core/numericvalue.h"
#include "core/random.h"
#include "core/sharedstate.h"
#include "core/speakerpicture.h"
#include "core/tata.h"
#include "wordgames/wordlistfile.h"

#include <QAction>
#include <QDir>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

namespace ftw = findtheword;

namespace {
// Buttons 0, 2, 5, 6 lie in the left column, 1, 3, 4, 7 in the right one, top to bottom.
constexpr std::array<int, ftw::Buttons> Column{0, 1, 0, 1, 1, 0, 0, 1};
constexpr std::array<int, ftw::Buttons> Row{0, 0, 1, 1, 2, 2, 3, 3};

void setTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}
} // namespace

trobass::trobass(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);
    client->setAutoFillBackground(true);
    AAAA = menuBarItem(this, "AAAA", QStringLiteral("LLISTES"));

    Picture1 = control<PictureBox>(client, "Picture1", 0, 0, ClientWidthTwips, ClientHeightTwips);
    Text1 = control<QLineEdit>(Picture1, "Text1", 600, 360, 11430, 1230);
    for (int k = 0; k < ftw::Buttons; ++k) {
        const QByteArray name = "Command2_" + QByteArray::number(k);
        Command2[k] = control<QPushButton>(Picture1, name.constData(), 900 + Column[k] * 5520,
                                           1860 + Row[k] * 960, 5310, 840);
    }
    Label1 = control<QLabel>(Picture1, "Label1", 900, 6000, 1800, 900);
    Label2 = control<QLabel>(Picture1, "Label2", 2850, 6000, 1800, 900);
    Image1 = control<ImageBox>(Picture1, "Image1", 4950, 5820, 3600, 2520);
    Picture2 = control<PictureBox>(Picture1, "Picture2", 8850, 6300, 885, 360);
    for (int i = 0; i < 9; ++i) {
        const QByteArray name = "Picture7_" + QByteArray::number(i);
        Picture7[i] = control<PictureBox>(client, name.constData());
        Picture7[i]->hide();
    }
    List1 = control<QListWidget>(client, "List1");
    List1->hide();

    QPalette background = client->palette();
    background.setColor(QPalette::Window, QColor(50, 50, 50));
    client->setPalette(background);
    Picture1->setPicture(drawBasePanel());
    QFont target(QStringLiteral("Courier New"), 48);
    Text1->setFont(target);
    Text1->setAlignment(Qt::AlignCenter);
    QFont word(QStringLiteral("Courier New"));
    word.setPointSizeF(27.75);
    for (QPushButton* button : Command2)
        button->setFont(word);
    QFont counter(QStringLiteral("Courier New"), 36);
    counter.setBold(true);
    for (QLabel* label : {Label1, Label2}) {
        label->setText(QStringLiteral("0"));
        label->setFont(counter);
        label->setAlignment(Qt::AlignCenter);
    }
    setTextColour(Label1, QColor(0, 128, 0));
    setTextColour(Label2, QColor(255, 0, 0));
    Image1->setStretch(true);
    Picture2->setBackColor(Qt::transparent);
    Picture2->setPicture(drawSpeakerPicture());
    Picture2->setCursor(Qt::PointingHandCursor);

    connect(AAAA, &QAction::triggered, this, &trobass::AAAA_Click);
    for (int k = 0; k < ftw::Buttons; ++k)
        connect(Command2[k], &QPushButton::clicked, this, [this, k] { Command2_Click(k); });
    connect(new MouseEvents(Picture2), &MouseEvents::Click, this, &trobass::Picture2_Click);
}

void trobass::Form_Load() {
    Picture2->setVisible(numericValue(services.state.speechFlagText()) == 1);
}

void trobass::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

QStringList trobass::pool() const {
    QStringList words;
    for (int i = 0; i < List1->count(); ++i)
        words << List1->item(i)->text();
    return words;
}

// A button shows "&" only when it is doubled; the captions are the words as they are.
QString trobass::Command2Caption(int k) const {
    return Command2[k]->text().replace(QLatin1String("&&"), QLatin1String("&"));
}

ftw::Captions trobass::captions() const {
    ftw::Captions out;
    for (int k = 0; k < ftw::Buttons; ++k)
        out[k] = Command2Caption(k);
    return out;
}

void trobass::showCaptions(const ftw::Captions& captions) {
    for (int k = 0; k < ftw::Buttons; ++k)
        Command2[k]->setText(QString(captions[k]).replace(QLatin1Char('&'), QLatin1String("&&")));
}

void trobass::pickTarget(bool withPicture) {
    const int t = ftw::pickTarget(captions(), services.random);
    Text1->setText(Command2Caption(t));
    // A caption longer than the box shows its beginning.
    Text1->setCursorPosition(0);
    if (withPicture) Image1->setPicture(Picture7[t]->Picture());
}

void trobass::metess() {
    setCursor(Qt::ArrowCursor);
    services.random.reseedFromClock();
    ftw::Captions buttons;
    ftw::dealInOrder(pool(), buttons);
    showCaptions(buttons);
    pickTarget(true);
}

void trobass::AAAA_Click() {
    const std::optional<QString> chosen =
        chooseFile(services, this,
                   {folderPath(services.programFolder, QStringLiteral("llistes")),
                    QStringLiteral("(*.bak)|*.bak|"),
                    {}});
    if (!chosen) return;
    setCursor(Qt::WaitCursor);
    List1->clear();
    List1->addItems(ReadWordList(*chosen, ftw::ListWordLength));
    setCursor(Qt::ArrowCursor);
    services.random.reseedFromClock();
    ftw::Captions buttons = captions();
    ftw::dealFromList(pool(), buttons, services.random);
    showCaptions(buttons);
    // The picture stays until the next hit.
    pickTarget(false);
}

void trobass::Command2_Click(int Index) {
    if (Index < 0 || Index >= ftw::Buttons) return;
    const QString caption = Command2Caption(Index);
    if (!ftw::isHit(caption, Text1->text())) {
        Label2->setText(QString::number(numericValue(Label2->text()) + 1));
        return;
    }
    if (!caption.trimmed().isEmpty()) Label1->setText(QString::number(numericValue(Label1->text()) + 1));
    services.random.reseedFromClock();
    setCursor(Qt::ArrowCursor);
    ftw::Captions buttons = captions();
    ftw::dealAfterHit(pool(), buttons, services.random);
    showCaptions(buttons);
    pickTarget(true);
}

void trobass::Picture2_Click() {
    SpeakText(services, Text1->text());
}
