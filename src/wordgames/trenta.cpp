#include "wordgames/trenta.h"
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/errorbox.h"
#include "core/folders.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "platform/dialogs.h"
#include "wordgames/wordlistfile.h"
#include "wordgames/wordscan.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int KeyInsert = 45;
const QColor PanelColour(0x40, 0x40, 0x40);
} // namespace

trenta::trenta(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);

    OBRESS = menuBarItem(this, "OBRESS", QStringLiteral("EDITAR"));
    CREAR = menuBarItem(this, "CREAR", QStringLiteral("CREAR"));

    // The list panel. Its close zones lie below the list: only their uncovered edges take clicks.
    Picture8 = control<PictureBox>(client, "Picture8", 0, 0, 10950, 7305);
    Label5 = control<ClickZone>(Picture8, "Label5", 210, 5745, 2355, 285);
    Label13 = control<ClickZone>(Picture8, "Label13", 8775, -135, 885, 645);
    Label10 = control<ClickZone>(Picture8, "Label10", 8340, 120, 615, 495);
    List7 = control<QListWidget>(Picture8, "List7", 45, 90, 10785, 7050);

    // The text panel, hidden until "CREAR".
    Picture6 = control<PictureBox>(client, "Picture6", -90, 0, 11040, 7260);
    Label16 = control<ClickZone>(Picture6, "Label16", 8325, 0, 1980, 780);
    Label12 = control<ClickZone>(Picture6, "Label12", 7575, 60, 1125, 795);
    Text1 = control<QPlainTextEdit>(Picture6, "Text1", 135, 495, 10860, 6450);
    Command9 = control<QPushButton>(Picture6, "Command9", 225, 90, 6420, 360);
    Label1 = control<QLabel>(Picture6, "Label1", 135, 6975, 10545, 330);

    Picture8->setBackColor(PanelColour);
    Picture6->setBackColor(PanelColour);
    List7->setSelectionMode(QAbstractItemView::SingleSelection);
    List7->setUniformItemSizes(true); // long lists open quickly
    List7->installEventFilter(this);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Command9->setText(QStringLiteral("Crear llista de paraules"));
    QFont buttonFont(QStringLiteral("Courier New"), 18);
    buttonFont.setBold(true);
    Command9->setFont(buttonFont);
    Label1->setText(QStringLiteral(
        "  Copy -> paste a sobre de la finestra de Text i a continuació Crear Llista de Paraules"));
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    QPalette light = Label1->palette();
    light.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    Label1->setPalette(light);
    Picture6->hide();

    connect(OBRESS, &QAction::triggered, this, &trenta::OBRESS_Click);
    connect(CREAR, &QAction::triggered, this, &trenta::CREAR_Click);
    connect(Command9, &QPushButton::clicked, this, &trenta::Command9_Click);
    for (ClickZone* zone : {Label5, Label13, Label10, Label16, Label12})
        connect(zone, &ClickZone::Click, this, &trenta::close);
}

QString trenta::progressCaption(qsizetype position, QChar character) {
    return QStringLiteral("Escanejant texte. Posició: ") + QString::number(position) + character;
}

QString trenta::replaceQuestion(const QString& fileName) {
    return QStringLiteral(
               "Ja hi ha una llista amb el nom «%1».\nVols substituir-ne les paraules per les noves?")
        .arg(fileName);
}

void trenta::Form_Load() {
    Text1->clear();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        const QSize size = sizeHint().expandedTo(minimumSize());
        move(area.left() + (area.width() - size.width()) / 2,
             area.top() + (area.height() - size.height()) / 2);
    }
}

void trenta::Form_Unload(bool& cancel) {
    // The scan lets the caption repaint; the window stays until it has finished.
    if (scanning_) {
        cancel = true;
        return;
    }
    services.state.clearActivityCode();
}

QString trenta::listsFolder() const {
    return folderPath(services.programFolder, QStringLiteral("llistes"));
}

void trenta::CREAR_Click() {
    Picture6->show();
    Picture8->hide();
}

void trenta::Command9_Click() {
    Picture6->hide();
    List6.clear();

    WordScanOptions options;
    options.longest = WordMaxLength; // a longer word cannot be stored; the others are kept
    options.progress = [this](qsizetype position, QChar character) {
        setWindowTitle(progressCaption(position, character));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    scanning_ = true;
    List6 = scanWords(Text1->toPlainText(), options);
    scanning_ = false;

    const QString folder = listsFolder();
    QDir().mkpath(folder);
    const std::optional<QString> chosen =
        chooseFile(services, this, {folder, QStringLiteral("(*.bak)|*.bak|"), QString()});
    if (!chosen) return;
    QString path = *chosen;
    if (!path.endsWith(QLatin1String(".bak"), Qt::CaseInsensitive)) path += QLatin1String(".bak");
    // Names are told apart without case: "Animals" names the list "animals.bak" already there,
    // not a second list beside it.
    if (const QString same = findFileIgnoringCase(QFileInfo(path).absolutePath(), QFileInfo(path).fileName());
        !same.isEmpty())
        path = same;
    // A list already there may be one the user made or one the program ships (which is not
    // brought back once replaced): it goes only when the user says so.
    if (QFileInfo(path).exists() &&
        !services.dialogs.yesNo(this, replaceQuestion(QFileInfo(path).fileName()), QStringLiteral("Taudrin")))
        return;

    setCursor(Qt::WaitCursor);
    const bool saved = WriteWordList(path, List6);
    setCursor(Qt::ArrowCursor);
    if (!saved) {
        showError(services, this);
        return;
    }
    close();
}

void trenta::OBRESS_Click() {
    Picture8->show();
    Picture6->hide();

    const QString folder = listsFolder();
    QDir().mkpath(folder);
    const std::optional<QString> chosen =
        chooseFile(services, this, {folder, QStringLiteral("(*.bak)|*.bak;)"), QString()});
    if (!chosen) return;

    List7->clear();
    List7->addItems(ReadWordList(*chosen, WordMaxLength));
}

void trenta::List7_KeyUp(int keyCode) {
    if (keyCode != KeyInsert) return;
    QListWidgetItem* item = List7->currentItem();
    if (!item || !item->isSelected()) return;
    const QString word = item->text();
    const std::optional<QString> answer = services.dialogs.input(
        this, word + QStringLiteral(" per..."), QStringLiteral("CAMBIAR PALABRA"), QString());
    if (!answer || answer->isEmpty()) return;
    item->setText(*answer);
}

bool trenta::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List7 && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) List7_KeyUp(key->key() == Qt::Key_Insert ? KeyInsert : 0);
    }
    return MainForm::eventFilter(watched, event);
}
