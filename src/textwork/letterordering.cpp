#include "textwork/letterordering.h"
#include "core/basepanel.h"
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/errorbox.h"
#include "core/folders.h"
#include "core/fonts.h"
#include "core/mouseevents.h"
#include "core/palette.h"
#include "core/recordfile.h"
#include "core/sharedstate.h"
#include "platform/dialogs.h"
#include "wordgames/wordlistfile.h"
#include "workshop/picturetools.h"

#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <qdrawutil.h>

using namespace letterordering;

namespace {
const QColor Yellow = paletteColour(14);

// A button caption shows an ampersand as itself, not as a shortcut mark.
void setCaption(QPushButton* button, QString text) {
    button->setText(text.replace(QLatin1Char('&'), QLatin1String("&&")));
}
QString captionOf(const QPushButton* button) {
    return button->text().replace(QLatin1String("&&"), QLatin1String("&"));
}
} // namespace

Form26::Form26(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);
    setGround(client, QColor(0x80, 0x80, 0x80));
    SSSSS = menuBarItem(this, "SSSSS", QStringLiteral("LLISTES"));

    base = control<PictureBox>(client, "base", 1650, 345, 12630, 8685);
    List1 = control<QListWidget>(base, "List1", 2040, 1020, 2910, 1950);
    Frame1 = control<QFrame>(base, "Frame1", 2025, 2985, 9090, 4560);
    for (int k = 0; k < Letters; ++k) {
        const QByteArray slot = "Command1_" + QByteArray::number(k);
        Command1[k] =
            control<QPushButton>(Frame1, slot.constData(), SlotLeft[k], k == 1 ? 495 : 480, 975, 1215);
        const QByteArray letter = "Command3_" + QByteArray::number(k);
        Command3[k] =
            control<QPushButton>(Frame1, letter.constData(), LetterLeft[k], k < 3 ? 1755 : 1740, 975, 1635);
    }
    Label15 = control<QLabel>(Frame1, "Label15", 1290, 3420, 6390, 1050);
    Command2 = control<QPushButton>(base, "Command2", 10140, 2160, 1545, 555);
    for (int i = 0; i < TrackCells; ++i) {
        const QByteArray name = "Picture2_" + QByteArray::number(i);
        Picture2[i] =
            control<SunkenPictureBox>(base, name.constData(), trackCellLeft(i), trackCellTop(i), 195, 195);
    }
    Picture1 = control<PictureBox>(base, "Picture1", 0, 0, 480, 480);
    dis = control<PictureBox>(base, "dis");
    pintar[2] = control<PictureBox>(base, "pintar_2");
    File2 = control<QListWidget>(base, "File2", 2040, 1020, 2910, 1950);

    base->setPicture(drawBasePanel());
    List1->setFont(designFont("Courier New", 12, true));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    const QColor face3d = QGuiApplication::palette().color(QPalette::Button);
    setGround(Frame1, face3d);
    for (int k = 0; k < Letters; ++k) {
        Command1[k]->setFont(designFont("Courier New", 48, true));
        Command3[k]->setFont(designFont("Times New Roman", 60, false));
        Command1[k]->setText(QStringLiteral("a"));
        Command3[k]->setText(QStringLiteral("a"));
    }
    Label15->setFont(designFont("Courier New", 48, true));
    Label15->setTextFormat(Qt::PlainText);
    setTextColour(Label15, QColor(0x40, 0x40, 0x40));
    Command2->setText(QStringLiteral(">>>>>>>"));
    for (int i = 0; i < TrackCells; ++i)
        Picture2[i]->setBackColor(i == 0 ? Yellow : face3d);
    Picture1->setPicture(drawLetterPointer());
    for (QWidget* hidden : {static_cast<QWidget*>(Picture1), static_cast<QWidget*>(dis),
                            static_cast<QWidget*>(pintar[2]), static_cast<QWidget*>(File2)})
        hidden->hide();

    connect(SSSSS, &QAction::triggered, this, &Form26::SSSSS_Click);
    for (int k = 0; k < Letters; ++k) {
        connect(Command1[k], &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
        connect(Command3[k], &QPushButton::clicked, this, [this, k] { Command3_Click(k); });
        Command1[k]->installEventFilter(this);
    }
    connect(Command2, &QPushButton::clicked, this, &Form26::Command2_Click);
    connect(File2, &QListWidget::itemClicked, this, &Form26::File2_Click);
    connect(new MouseEvents(dis), &MouseEvents::Click, this, &Form26::dis_Click);
    connect(new MouseEvents(pintar[2]), &MouseEvents::Click, this, [this] { pintar_Click(2); });
    // Presses on the panel and what lies on it stay there; only the window's own ground is the form's.
    new MouseEvents(base);
    connect(new MouseEvents(client), &MouseEvents::MouseDown, this, &Form26::Form_MouseDown);
}

void Form26::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

bool Form26::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int k = 0; k < Letters; ++k) {
            if (watched != Command1[k]) continue;
            auto* e = static_cast<QMouseEvent*>(event);
            Command1_MouseUp(k, e->button(), e->modifiers(), e->position());
        }
    }
    return MainForm::eventFilter(watched, event);
}

QStringList Form26::pool() const {
    QStringList entries;
    for (int i = 0; i < List1->count(); ++i)
        entries << List1->item(i)->text();
    return entries;
}

void Form26::showPickPointer() {
    setCursor(QCursor(QPixmap::fromImage(Picture1->Picture()), 0, 0));
}

void Form26::showArrow() {
    setCursor(Qt::ArrowCursor);
}

void Form26::CASA() {
    Label6 = 0;
    for (int k = 0; k < Letters; ++k) {
        Command1[k]->hide();
        Command3[k]->hide();
    }
    const QString word = drawWord(pool(), services.random);
    Label15->setText(word);
    const QString letters = wordLetters(word);
    const int n = static_cast<int>(letters.size());
    for (int k = 0; k < n; ++k) {
        setCaption(Command1[k], letters.at(k));
        setCaption(Command3[k], letters.at(k));
        Command1[k]->show();
        Command3[k]->show();
    }
    List2.clear();
    QList<int> current;
    for (int k = 0; k < n; ++k) {
        List2 << toTwips(Command1[k]->x());
        current << toTwips(Command3[k]->x());
    }
    const QList<int> lefts = letterLefts(List2, current);
    for (int k = 0; k < n; ++k)
        Command3[k]->move(tw(lefts.at(k)), Command3[k]->y());
    for (QPushButton* slot : Command1)
        slot->setText(QString());
    // A new word ends any pick.
    Label2.reset();
    showArrow();
}

void Form26::corre() {
    CASA();
    ++Label7;
    if (Label7 < TrackCells) Picture2[Label7]->setBackColor(Yellow);
}

void Form26::dedalo() {
    CASA();
}

void Form26::Command3_Click(int Index) {
    if (Index < 0 || Index >= Letters || captionOf(Command3[Index]).isEmpty()) return;
    Label2 = Index;
    showPickPointer();
}

void Form26::Command1_Click(int Index) {
    if (Index < 0 || Index >= Letters) return;
    const QString slotCaption = captionOf(Command1[Index]);
    if (!slotCaption.isEmpty()) return;
    const QString letters = wordLetters(Label15->text());
    const std::optional<QString> picked =
        Label2 ? std::optional<QString>(captionOf(Command3[*Label2])) : std::nullopt;
    if (slotTakes(slotCaption, letters.mid(Index, 1), picked)) {
        setCaption(Command1[Index], *picked);
        Command3[*Label2]->setText(QString());
        Label2.reset();
        showArrow();
        ++Label6;
    }
    QStringList captions;
    for (const QPushButton* slot : Command1)
        captions << captionOf(slot);
    if (wordComplete(captions, Label15->text())) {
        showArrow();
        corre();
    }
}

void Form26::Command1_MouseUp(int Index, Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos) {
    Q_UNUSED(Index);
    Q_UNUSED(button);
    Q_UNUSED(shift);
    Q_UNUSED(pos);
    // The word against the count of letters accepted: only a word that is that very number matches.
    if (Label15->text() != QString::number(Label6)) return;
    showArrow();
    corre();
}

void Form26::Command2_Click() {
    CASA();
}

void Form26::SSSSS_Click() {
    const std::optional<QString> chosen =
        chooseFile(services, this,
                   {folderPath(services.programFolder, QStringLiteral("llistes")),
                    QStringLiteral("(*.bak)|*.bak|"),
                    {}});
    if (!chosen) return;
    setCursor(Qt::WaitCursor);
    // ReadWordList gives nothing for a file it can't read; that is told apart here as a failure.
    RecordFile check(*chosen, WordRecordLength);
    if (!check.load()) {
        showArrow();
        showError(services, this);
        return;
    }
    List1->addItems(ReadWordList(*chosen, PoolEntryLength));
    showArrow();
    CASA();
}

void Form26::Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPointF) {
    services.state.clearActivityCode();
}

bool Form26::replacePool(const QString& path, bool (*test)(const QByteArray&)) {
    const std::optional<QStringList> names = readDrawingNames(path, test);
    if (!names) {
        showError(services, this);
        return false;
    }
    List1->clear();
    List1->addItems(*names);
    return true;
}

void Form26::dis_Click() {
    const QDir folder(services.inCurrentFolder(QStringLiteral("dib")));
    File2->clear();
    File2->addItems(folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
    File2Path = folder.path();
    File2->show();
}

void Form26::File2_Click() {
    const QListWidgetItem* item = File2->currentItem();
    if (!item) return;
    if (File2Path.isEmpty()) return;
    if (!replacePool(QDir(File2Path).filePath(item->text()), passesNameTest)) return;
    CASA();
    File2->hide();
}

void Form26::pintar_Click(int Index) {
    Q_UNUSED(Index);
    close();
}

void Form26::LoadNameListByNumber(int number) {
    const QString name = numberedNameFile(number);
    if (name.isEmpty()) return;
    replacePool(folderPath(services.inCurrentFolder(QStringLiteral("dib")), name), passesNumberTest);
}

void Form26::AskNameListFile() {
    const std::optional<QString> answer =
        services.dialogs.input(this, QStringLiteral("Escriu un nom de sis lletres"), QString(), QString());
    if (!answer || answer->isEmpty()) return;
    if (!isSafeFileName(*answer)) {
        showError(services, this);
        return;
    }
    if (!replacePool(folderPath(services.inCurrentFolder(QStringLiteral("dib")), *answer), passesNameTest))
        return;
    CASA();
}

QImage drawLetterPointer() {
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A letter tile held at the arrow's tail.
    const QRectF tile(12.5, 12.5, 18, 18);
    p.setPen(QPen(QColor(120, 80, 20), 1.5));
    p.setBrush(QColor(255, 214, 72));
    p.drawRoundedRect(tile, 3, 3);
    QFont letter(QStringLiteral("Liberation Sans"));
    letter.setPixelSize(15);
    letter.setBold(true);
    p.setFont(letter);
    p.setPen(QColor(30, 50, 140));
    p.drawText(tile.adjusted(0, -1, 0, 0), Qt::AlignCenter, QStringLiteral("a"));
    // The arrow, its tip at the top-left corner (the hot spot).
    QPainterPath arrow;
    arrow.moveTo(0.5, 0.5);
    arrow.lineTo(0.5, 17);
    arrow.lineTo(4.5, 13);
    arrow.lineTo(7.5, 19.5);
    arrow.lineTo(10, 18.5);
    arrow.lineTo(7, 12);
    arrow.lineTo(12.5, 12);
    arrow.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    return img;
}
