#include "wordgames/dictation.h"
#include "core/basepanel.h"
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/folders.h"
#include "core/mouseevents.h"
#include "core/sharedstate.h"
#include "core/tata.h"
#include "wordgames/wordlistfile.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {
constexpr int KeyEnter = 13;
constexpr int TileWidth = 197, TileHeight = 123;

QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}
} // namespace

Form15::Form15(Services& services) : Form(services) {
    setWindowTitle(caption());
    setFixedSize(twSize(WidthTwips, HeightTwips));

    Picture3 = control<PictureBox>(this, "Picture3", 0, 0, WidthTwips, HeightTwips);
    for (int i = 0; i < dictation::Words; ++i) {
        const int left = 750 + (i % 3) * 4080, top = 300 + (i / 3) * 1995;
        const QByteArray tile = "Picture2_" + QByteArray::number(i);
        const QByteArray box = "Text1_" + QByteArray::number(i);
        const QByteArray word = "Label1_" + QByteArray::number(i);
        Picture2[i] =
            control<PictureBox>(Picture3, tile.constData(), left, top, TileWidth * 15, TileHeight * 15);
        Text1[i] = control<QLineEdit>(Picture2[i], box.constData(), 150, 1215, 2655, 570);
        Label1[i] = control<QLabel>(this, word.constData());
        Label1[i]->setText(QStringLiteral("Label1"));
        Label1[i]->hide();
    }
    Command2 = control<QPushButton>(Picture3, "Command2", 750, 6525, 2700, 645);
    Command3 = control<QPushButton>(Picture3, "Command3", 750, 7320, 2700, 645);
    Text14 = control<QLineEdit>(Picture3, "Text14", 6300, 6525, 4800, 645);
    Command1 = control<QPushButton>(Picture3, "Command1", 6300, 7320, 1800, 645);
    List1 = control<QListWidget>(this, "List1");
    List2 = control<QListWidget>(this, "List2");
    List1->hide();
    List2->hide();

    const QImage tile = drawDictationTile();
    QFont answer(QStringLiteral("Courier New"));
    answer.setPointSizeF(21.75);
    answer.setBold(true);
    for (int i = 0; i < dictation::Words; ++i) {
        Picture2[i]->setBackColor(Qt::transparent);
        Picture2[i]->setPicture(tile);
        Picture2[i]->setCursor(Qt::PointingHandCursor);
        Text1[i]->setFont(answer);
        Text1[i]->installEventFilter(this);
        connect(new MouseEvents(Picture2[i]), &MouseEvents::Click, this, [this, i] { Picture2_Click(i); });
    }
    Text14->setFont(answer);
    QPalette yellow = Text14->palette();
    yellow.setColor(QPalette::Base, QColor(255, 255, 0));
    yellow.setColor(QPalette::Text, Qt::black);
    Text14->setPalette(yellow);
    Command1->setText(QStringLiteral("Ajuda"));
    Command2->setText(QStringLiteral("Llistes"));
    Command3->setText(QStringLiteral("SENSE ACENTS"));
    connect(Command1, &QPushButton::clicked, this, &Form15::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form15::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form15::Command3_Click);
}

void Form15::Form_Load() {
    Picture3->setAutoSize(true);
    Picture3->setPicture(drawBasePanel());
    for (QLineEdit* box : Text1)
        box->clear();
}

void Form15::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

QStringList Form15::pool() const {
    return items(List1);
}

void Form15::drawNine() {
    const auto words = dictation::drawNine(pool(), services.random);
    for (int i = 0; i < dictation::Words; ++i)
        Label1[i]->setText(words[i]);
}

void Form15::Picture2_Click(int Index) {
    if (Index < 0 || Index >= dictation::Words) return;
    Text1[Index]->setFocus();
    Label2 = Index;
    SpeakText(services, Label1[Index]->text());
}

void Form15::Text1_KeyUp(int Index, int KeyCode) {
    if (KeyCode != KeyEnter || Index < 0 || Index >= dictation::Words) return;
    if (!dictation::isRight(Text1[Index]->text(), Label1[Index]->text())) {
        Text1[Index]->clear();
        Text1[Index]->setFocus();
        return;
    }
    if (Index + 1 < dictation::Words) Text1[Index + 1]->setFocus();
}

void Form15::Command1_Click() {
    const int k = qBound(0, Label2, dictation::Words - 1);
    Text14->setText(Label1[k]->text());
    Text14->setCursorPosition(0); // a long caption shows from its start
    Text1[k]->setFocus();
}

void Form15::Command2_Click() {
    const std::optional<QString> chosen =
        chooseFile(services, this,
                   {folderPath(services.programFolder, QStringLiteral("llistes")),
                    QStringLiteral("(*.bak)|*.bak|"),
                    {}});
    if (!chosen) return;
    List1->clear();
    List1->addItems(ReadWordList(*chosen));
    drawNine();
}

void Form15::Command3_Click() {
    List2->clear();
    List2->addItems(dictation::withoutAccents(pool()));
    List1->clear();
    List1->addItems(items(List2));
    drawNine();
}

bool Form15::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (int i = 0; i < dictation::Words; ++i)
            if (watched == Text1[i] && !key->isAutoRepeat()) {
                const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
                Text1_KeyUp(i, enter ? KeyEnter : key->key());
            }
    }
    return Form::eventFilter(watched, event);
}

static QImage paintDictationTile() {
    QImage img(TileWidth, TileHeight, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A card with an ear listening to a speaker; the answer box covers its lower part.
    p.setPen(QPen(QColor(70, 110, 60), 2));
    p.setBrush(QColor(226, 242, 214));
    p.drawRoundedRect(QRectF(1, 1, TileWidth - 2, TileHeight - 2), 12, 12);

    QPainterPath cone;
    cone.moveTo(52, 30);
    cone.lineTo(64, 30);
    cone.lineTo(82, 16);
    cone.lineTo(82, 64);
    cone.lineTo(64, 50);
    cone.lineTo(52, 50);
    cone.closeSubpath();
    p.setPen(QPen(QColor(40, 70, 30), 2));
    p.setBrush(QColor(90, 150, 70));
    p.drawPath(cone);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 70, 30), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal r = 10 + i * 11;
        p.drawArc(QRectF(82 - r, 40 - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
    // The ear.
    QPainterPath ear;
    ear.moveTo(150, 62);
    ear.cubicTo(136, 62, 134, 46, 140, 38);
    ear.cubicTo(146, 28, 146, 18, 156, 14);
    ear.cubicTo(170, 10, 180, 22, 176, 34);
    ear.cubicTo(172, 46, 160, 48, 162, 58);
    p.setPen(QPen(QColor(150, 90, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(246, 206, 170));
    p.drawPath(ear);
    p.drawArc(QRectF(148, 24, 18, 20), 30 * 16, 200 * 16);
    return img;
}

QImage drawDictationTile() {
    static const QImage picture = paintDictationTile(); // drawn once, shared by every opening
    return picture;
}
