#include "wordgames/writeaword.h"
#include "core/basepanel.h"
#include "core/catalansort.h"
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/folders.h"
#include "core/mouseevents.h"
#include "core/random.h"
#include "core/recordfile.h"
#include "core/sharedstate.h"
#include "core/tata.h"
#include "core/textinput.h"
#include "core/twips.h"
#include "wordgames/wordlistfile.h"
#include "wordgames/writeawordart.h"
#include "wordgames/writeawordfilters.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

namespace {
constexpr int KeyEnter = 13;
const QColor BackColour(50, 50, 50);
// The window system activates a window some time after the program showed it, even on a busy
// machine well within this; later, an activation is a new one (a window manager may refuse the
// focus, and then the awaited activation never comes).
constexpr qint64 ActivationDelayMs = 10000;

// The Backspace the typing check posts to the typing box.
class InjectedBackspace : public QKeyEvent {
public:
    explicit InjectedBackspace(QEvent::Type type)
        : QKeyEvent(type, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b")) {}
};

QFont bigFont() {
    QFont f(QStringLiteral("Courier New"), 72);
    f.setBold(true);
    return f;
}
} // namespace

escritors::escritors(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);
    client->setAutoFillBackground(true);
    makeMenus();

    Picture8 = control<PictureBox>(client, "Picture8", 1185, 555, 12630, 8685);
    Picture2 = control<PictureBox>(Picture8, "Picture2", 600, 330, 2580, 600);
    Label4 = control<ClickZone>(Picture2, "Label4", 0, 0, 600, 600);
    Label5 = control<ClickZone>(Picture2, "Label5", 660, 0, 600, 600);
    Label6 = control<ClickZone>(Picture2, "Label6", 1320, 0, 600, 600);
    Label7 = control<ClickZone>(Picture2, "Label7", 1980, 0, 600, 600);
    Picture4 = control<PictureBox>(Picture8, "Picture4", 3480, 495, 3585, 255);
    Command2[0] = control<QPushButton>(Picture8, "Command2_0", 7440, 420, 480, 420);
    Command2[1] = control<QPushButton>(Picture8, "Command2_1", 7950, 420, 480, 420);
    Picture6 = control<PictureBox>(Picture8, "Picture6", 11070, 300, 960, 660);
    Text2 = control<QLineEdit>(Picture8, "Text2", 600, 1050, 11430, 1830);
    Text1 = control<QLineEdit>(Picture8, "Text1", 600, 3000, 11430, 1725);
    Picture1 = control<PictureBox>(Picture8, "Picture1", 600, 4875, 2580, 600);
    Label8 = control<ClickZone>(Picture1, "Label8", 0, 0, 600, 600);
    Label9 = control<ClickZone>(Picture1, "Label9", 660, 0, 600, 600);
    Label10 = control<ClickZone>(Picture1, "Label10", 1320, 0, 600, 600);
    Label11 = control<ClickZone>(Picture1, "Label11", 1980, 0, 600, 600);
    Picture3 = control<PictureBox>(Picture8, "Picture3", 3480, 5040, 3585, 255);
    Picture5 = control<PictureBox>(Picture8, "Picture5", 10470, 4815, 1560, 720);
    Label13 = control<ClickZone>(Picture5, "Label13", 0, 0, 780, 720);
    Label12 = control<ClickZone>(Picture5, "Label12", 780, 0, 780, 720);
    Image2 = control<ImageBox>(Picture8, "Image2", 4215, 5700, 4200, 2625);
    Image2->setStretch(true);
    List5 = control<QListWidget>(Picture8, "List5", 2970, 360, 6690, 6630);

    List3 = control<QListWidget>(client, "List3");
    List4 = control<QListWidget>(client, "List4");
    for (size_t i = 0; i < Picture7.size(); ++i) {
        Picture7[i] = control<PictureBox>(client, "Picture7");
        Picture7[i]->setObjectName(QStringLiteral("Picture7_%1").arg(i));
        Picture7[i]->hide();
    }
    List3->hide();
    List4->hide();

    // Pictures and captions.
    for (PictureBox* strip : {Picture2, Picture1})
        strip->setPicture(fontStripImage());
    for (PictureBox* strip : {Picture4, Picture3})
        strip->setPicture(colourStripImage());
    Picture5->setPicture(pageAndArrowImage());
    Picture6->setPicture(lipsImage());
    const QColor panel = drawBasePanel().pixelColor(40, 40);
    for (PictureBox* box : {Picture2, Picture1, Picture5, Picture6})
        box->setBackColor(panel);
    Picture6->setCursor(Qt::PointingHandCursor);
    Picture6->setToolTip(QStringLiteral("Escolta la paraula"));
    Command2[0]->setText(QStringLiteral("'"));
    Command2[1]->setText(QStringLiteral("'''"));
    for (QLineEdit* box : {Text2, Text1})
        box->setFont(bigFont());
    Text2->setReadOnly(true);
    // The keys always go to the typing box: nothing else takes the focus on a click.
    for (QWidget* w : std::initializer_list<QWidget*>{Text2, List5, Command2[0], Command2[1]})
        w->setFocusPolicy(Qt::NoFocus);
    QFont listFont(QStringLiteral("Courier New"), 48);
    listFont.setItalic(true);
    List5->setFont(listFont);
    List5->hide();

    connect(Label12, &ClickZone::Click, this, &escritors::Label12_Click);
    connect(Label13, &ClickZone::Click, this, &escritors::Label13_Click);
    connect(new MouseEvents(List5->viewport()), &MouseEvents::Click, this, &escritors::List5_Click);
    for (int i = 0; i < 2; ++i)
        connect(Command2[size_t(i)], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    connect(Label4, &ClickZone::Click, this, &escritors::Label4_Click);
    connect(Label5, &ClickZone::Click, this, &escritors::Label5_Click);
    connect(Label6, &ClickZone::Click, this, &escritors::Label6_Click);
    connect(Label7, &ClickZone::Click, this, &escritors::Label7_Click);
    connect(Label8, &ClickZone::Click, this, &escritors::Label8_Click);
    connect(Label9, &ClickZone::Click, this, &escritors::Label9_Click);
    connect(Label10, &ClickZone::Click, this, &escritors::Label10_Click);
    connect(Label11, &ClickZone::Click, this, &escritors::Label11_Click);
    connect(new MouseEvents(Picture4), &MouseEvents::MouseUp, this, &escritors::Picture4_MouseUp);
    connect(new MouseEvents(Picture3), &MouseEvents::MouseUp, this, &escritors::Picture3_MouseUp);
    connect(new MouseEvents(Picture6), &MouseEvents::Click, this, &escritors::Picture6_Click);
    Text1->installEventFilter(this);

    lastFocus_ = QGuiApplication::focusWindow();
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &escritors::focusWindowChanged);
    connect(&services.forms, &Forms::formShown, this, &escritors::shownByProgram);
}

void escritors::makeMenus() {
    const auto item = [this](QMenu* menu, QAction*& action, const char* name, const QString& text) {
        action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
    };
    const auto submenu = [](QWidget* parent, QMenu*& menu, const char* name, const QString& title) {
        menu = new QMenu(title, parent);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
    };

    DRR = menuBarItem(this, "DRR", QStringLiteral("LLISTES"));
    connect(DRR, &QAction::triggered, this, &escritors::DRR_Click);

    submenu(this, FIL, "FIL", QStringLiteral("FILTRE"));
    menuBar()->addMenu(FIL);
    submenu(FIL, LLES, "LLES", QStringLiteral("LLETRES"));
    submenu(FIL, MOR, "MOR", QStringLiteral("MORFEMES"));
    const std::pair<const char*, QAction * escritors::*> members[] = {
        {"CAPS", &escritors::CAPS},   {"SENSESSS", &escritors::SENSESSS},
        {"INICI", &escritors::INICI}, {"MEDI", &escritors::MEDI},
        {"TOT", &escritors::TOT},     {"CQ", &escritors::CQ},
        {"GJ", &escritors::GJ},       {"BR", &escritors::BR},
        {"TR", &escritors::TR},       {"DR", &escritors::DR},
        {"BL", &escritors::BL},       {"PL", &escritors::PL},
        {"GRASA", &escritors::GRASA}, {"CL", &escritors::CL},
        {"GR", &escritors::GR},
    };
    for (const WordFilter& filter : wordFilters()) {
        QMenu* menu = QLatin1String(filter.submenu) == QLatin1String("LLETRES")    ? LLES
                      : QLatin1String(filter.submenu) == QLatin1String("MORFEMES") ? MOR
                                                                                   : FIL;
        if (menu == LLES && LLES->isEmpty()) FIL->addMenu(LLES);
        if (menu == MOR && MOR->isEmpty()) FIL->addMenu(MOR);
        QAction* action = nullptr;
        item(menu, action, filter.control, filter.caption);
        for (const auto& [name, member] : members)
            if (qstrcmp(name, filter.control) == 0) this->*member = action;
        connect(action, &QAction::triggered, this, [this, &filter] { FILTRE_Click(filter); });
    }
    CAPS->setCheckable(true);
    CAPS->setChecked(true);

    submenu(this, SSD, "SSD", QStringLiteral("MOSTRES"));
    menuBar()->addMenu(SSD);
    item(SSD, MAYOR, "MAYOR", QStringLiteral("EN MAYÚSCULES"));
    item(SSD, MENOR, "MENOR", QStringLiteral("EN MINÚSCULES"));
    for (QAction* a : {MAYOR, MENOR})
        a->setCheckable(true);
    MAYOR->setChecked(true);
    connect(MAYOR, &QAction::triggered, this, &escritors::MAYOR_Click);
    connect(MENOR, &QAction::triggered, this, &escritors::MENOR_Click);
}

void escritors::Form_Load() {
    QPalette back = client->palette();
    back.setColor(QPalette::Window, BackColour);
    client->setPalette(back);
    Picture8->setAutoSize(true);
    Picture8->setPicture(drawBasePanel());

    Picture6->hide();
    if (services.state.SpeechFlag() == 1) Picture6->show();

    // The first list of the current folder, in alphabetical order.
    setCursor(Qt::WaitCursor);
    QDir folder(services.currentFolder);
    QStringList lists = folder.entryList({QStringLiteral("*.bak")}, QDir::Files | QDir::Readable);
    sortCatalan(lists);
    readList(lists.isEmpty() ? QString() : folder.filePath(lists.first()));
}

void escritors::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

void escritors::Form_Activate() {
    Text1->setFocus();
    DealModelWord(Picture::Show, Typing::Empty);
}

void escritors::PALABRAS() {
    setCursor(Qt::ArrowCursor);
    DealModelWord(Picture::Keep, Typing::Keep);
}

QStringList escritors::pool() const {
    QStringList words;
    words.reserve(List3->count());
    for (int i = 0; i < List3->count(); ++i)
        words << List3->item(i)->text();
    return words;
}

void escritors::setWorkingPool(const QStringList& words) {
    List4->clear();
    List4->addItems(words);
}

void escritors::DealModelWord(Picture picture, Typing typing, Model model) {
    services.random.reseedFromClock();
    const int r = services.random.below(List4->count());
    const QListWidgetItem* entry = List4->item(r);
    const QString word = entry ? entry->text() : QString();
    if (model == Model::AsStored)
        Text2->setText(word);
    else
        Text2->setText(MAYOR->isChecked() ? word.toUpper() : word.toLower());
    // A word longer than the box shows its beginning, where the copying starts.
    Text2->setCursorPosition(0);
    // A word with no panel of its own shows none, not the picture of the word before.
    if (picture == Picture::Show)
        Image2->setPicture(r >= 0 && r < int(Picture7.size()) ? Picture7[size_t(r)]->Picture() : QImage());
    if (typing == Typing::Empty) Text1->clear();
}

void escritors::readList(const QString& path) {
    List3->clear();
    List4->clear();
    // A record that begins with a blank holds no word.
    RecordFile records(path, WordRecordLength);
    const QStringList words = ReadWordList(path, WordMaxLength);
    if (records.load()) {
        QStringList kept;
        for (int r = 1; r <= records.count() && r <= words.size(); ++r)
            if (records.bytes(r).at(0) != ' ') kept << words[r - 1];
        List3->addItems(kept);
        List4->addItems(kept);
    }
    setCursor(Qt::ArrowCursor);
    DealModelWord(Picture::Keep, Typing::Keep);
}

void escritors::DRR_Click() {
    const QString folder = folderPath(services.programFolder, QStringLiteral("llistes"));
    const std::optional<QString> chosen =
        chooseFile(services, this, {folder, QStringLiteral("(*.bak)|*.bak|"), QString()});
    if (!chosen) return;
    readList(*chosen);
}

bool escritors::typedBeginsModel() const {
    const QString typed = Text1->text();
    const qsizetype n = typed.size();
    if (n == 0) return true;
    const QString model = Text2->text();
    const auto sameBeginning = [&](qsizetype k) {
        return withoutEndSpaces(typed.left(k)).toLower() == withoutEndSpaces(model.left(k)).toLower();
    };
    // An e may stand for an é still to be written, after a correct beginning.
    const bool eForE = n <= model.size() && model[n - 1] == QChar(0xE9) && typed[n - 1] == QLatin1Char('e') &&
                       sameBeginning(n - 1);
    return eForE || sameBeginning(n);
}

void escritors::Text1_KeyUp() {
    if (Text1->text().isEmpty()) return;
    if (!typedBeginsModel()) injectBackspace();
    Text1->end(false);
}

void escritors::injectBackspace() {
    // One at a time: the check runs again on its release and asks for another when still wrong.
    if (backspacePending_) return;
    backspacePending_ = true;
    QCoreApplication::postEvent(Text1, new InjectedBackspace(QEvent::KeyPress));
    QCoreApplication::postEvent(Text1, new InjectedBackspace(QEvent::KeyRelease));
}

void escritors::Text1_KeyPress(int KeyAscii) {
    if (KeyAscii != KeyEnter) return;
    if (withoutEndSpaces(Text1->text()).size() != withoutEndSpaces(Text2->text()).size()) return;
    // A wrong last letter not yet taken back (Enter pressed before its key was let go, or before
    // the Backspace came) is no complete word.
    if (!typedBeginsModel()) return;
    List5->addItem(Text1->text());
    DealModelWord(Picture::Show, Typing::Keep);
}

bool escritors::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1) {
        const bool injected = dynamic_cast<InjectedBackspace*>(event) != nullptr;
        if (event->type() == QEvent::KeyPress) {
            // The injected Backspace takes the last character, wherever the caret was put.
            if (injected && !Text1->hasSelectedText()) Text1->end(false);
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) Text1_KeyPress(KeyEnter);
        } else if (event->type() == QEvent::KeyRelease) {
            if (injected) backspacePending_ = false;
            Text1_KeyUp();
        }
    }
    return MainForm::eventFilter(watched, event);
}

void escritors::Label12_Click() {
    DealModelWord(Picture::Show, Typing::Empty);
}

void escritors::Label13_Click() {
    List5->setVisible(!List5->isVisible());
    if (List5->isVisible()) List5->raise();
}

void escritors::List5_Click() {
    List5->hide();
}

void escritors::Command2_Click(int Index) {
    const bool shown = Index == 1;
    for (QWidget* w :
         {static_cast<QWidget*>(Text2), static_cast<QWidget*>(Picture4), static_cast<QWidget*>(Picture2)})
        w->setVisible(shown);
}

void escritors::setFontName(QLineEdit* box, const QString& family) {
    QFont f = box->font();
    f.setFamily(family);
    box->setFont(f);
}

namespace {
// The handwriting font (the font substitutions map it to one that is installed).
const QString Zaharena = QStringLiteral("Zahareña");
} // namespace

void escritors::Label4_Click() {
    setFontName(Text2, QStringLiteral("Arial"));
}
void escritors::Label5_Click() {
    setFontName(Text2, Zaharena);
}
void escritors::Label6_Click() {
    setFontName(Text2, QStringLiteral("Comic Sans MS"));
}
void escritors::Label7_Click() {
    setFontName(Text2, QStringLiteral("Courier New"));
}
void escritors::Label8_Click() {
    setFontName(Text1, QStringLiteral("Arial"));
}
void escritors::Label9_Click() {
    setFontName(Text1, Zaharena);
}
void escritors::Label10_Click() {
    setFontName(Text1, QStringLiteral("Comic Sans MS"));
}
void escritors::Label11_Click() {
    setFontName(Text1, QStringLiteral("Courier New"));
}

void escritors::pickColour(PictureBox* strip, QLineEdit* box, QPointF pos) {
    const QPoint at = pos.toPoint();
    // Released outside the strip: there is no colour there.
    if (!strip->Picture().rect().contains(at)) return;
    QPalette colours = box->palette();
    colours.setColor(QPalette::Text, strip->Picture().pixelColor(at));
    box->setPalette(colours);
}

void escritors::Picture4_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, QPointF pos) {
    pickColour(Picture4, Text2, pos);
}

void escritors::Picture3_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, QPointF pos) {
    pickColour(Picture3, Text1, pos);
}

void escritors::Picture6_Click() {
    SpeakText(services, Text2->text());
}

void escritors::MAYOR_Click() {
    MAYOR->setChecked(true);
    MENOR->setChecked(false);
}

void escritors::MENOR_Click() {
    MENOR->setChecked(true);
    MAYOR->setChecked(false);
}

void escritors::FILTRE_Click(const WordFilter& filter) {
    CAPS->setChecked(true); // the mark stays where it was put at load
    setWorkingPool(filterWords(filter, pool()));
    if (filter.test == WordTest::None) return;
    DealModelWord(Picture::Keep, Typing::Keep, filter.modelAsStored ? Model::AsStored : Model::ByMostres);
}

bool escritors::isOtherProgramWindow(const QWindow* window) const {
    if (!window || window == windowHandle()) return false;
    for (const QString& name : services.forms.names()) {
        const QWidget* w = services.forms.loaded(name);
        if (w && w != this && w->windowHandle() == window) return true;
    }
    return false;
}

void escritors::shownByProgram(const QString& name) {
    if (name != objectName()) return;
    // Already the active window: showing it again activates nothing.
    if (windowHandle() && QGuiApplication::focusWindow() == windowHandle()) return;
    Form_Activate();
    activationHandled_ = true;
    activationHandledAt_.start();
}

void escritors::focusWindowChanged(QWindow* now) {
    const QPointer<QWindow> before = lastFocus_;
    lastFocus_ = now;
    if (!now) return; // between two windows, or another application has the focus
    if (now != windowHandle()) return;
    if (activationHandled_ && activationHandledAt_.elapsed() < ActivationDelayMs) {
        activationHandled_ = false;
        return;
    }
    activationHandled_ = false;
    // A dialog of this window closing, or a return from another application, deals nothing.
    if (isOtherProgramWindow(before)) Form_Activate();
}
