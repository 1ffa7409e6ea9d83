#include "textwork/exerciseeditor.h"
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/cp1252.h"
#include "core/errorbox.h"
#include "core/folders.h"
#include "core/fonts.h"
#include "core/random.h"
#include "core/recordfile.h"
#include "core/sharedstate.h"
#include "core/textinput.h"
#include "core/unsavedwork.h"
#include "platform/dialogs.h"
#include "textwork/exerciseeditorrules.h"
#include "textwork/gapexercise.h"
#include "textwork/linebreaks.h"
#include "wordgames/wordlistfile.h"
#include "workshop/picturetools.h"

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

Q_LOGGING_CATEGORY(lcExerciseEditor, "taudrin.exerciseeditor")

using namespace exerciseeditor;

const std::array<const char*, grabaci::LetterButtons> grabaci::LetterGroups{
    "pr", "cr", "gr", "gl", "bl", "br", "gu", "ch", "dr",  "rr", "v",  "b", "s", "ss", "c",
    "ç",  "j",  "g",  "r",  "l",  "tx", "tj", "x",  "ix",  "d",  "t",  "m", "n", "p",  "b",
    "c",  "s",  "ç",  "c",  "ç",  "s",  "qu", "ll", "l·l", "ny", "tg", "k", "q", "c"};

namespace {
constexpr int LetterLeft = 120;
constexpr int LetterTop = 120;
constexpr int LetterWidth = 735;
constexpr int LetterHeight = 405;
const QColor Ground(50, 50, 50);

QLabel* captionLabel(QWidget* parent, const char* name, int left, int top, const QString& text) {
    auto* label = control<QLabel>(parent, name, left, top, 1020, 375);
    label->setText(text);
    label->setFont(designFont("MS Sans Serif", 9.75, true));
    setColours(label, QPalette::Window, Ground, QPalette::WindowText, Qt::white);
    return label;
}
} // namespace

grabaci::grabaci(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);
    client->setAutoFillBackground(true);
    SSS = menuBarItem(this, "SSS", QStringLiteral("ARXIUS"));
    SSSDDD = menuBarItem(this, "SSSDDD", QStringLiteral("LLISTES"));
    SSSS = menuBarItem(this, "SSSS", QStringLiteral("NAVEGADOR"));

    Shape1 = control<QFrame>(client, "Shape1", 60, 60, 14280, 8160);
    for (int k = 0; k < LetterButtons; ++k) {
        const QByteArray name = "Command5_" + QByteArray::number(k);
        Command5[k] = control<QPushButton>(client, name.constData(), LetterLeft + (k % 4) * LetterWidth,
                                           LetterTop + (k / 4) * LetterHeight, LetterWidth, LetterHeight);
    }
    Command1 = control<QPushButton>(client, "Command1", 120, 4680, 2940, 420);
    HScroll1 = control<QScrollBar>(client, "HScroll1", 120, 5220, 2940, 255);
    Command2 = control<QPushButton>(client, "Command2", 120, 5580, 2940, 555);
    Label5 = captionLabel(client, "Label5", 3240, 120, QStringLiteral("TÍTOL:"));
    Text2 = control<QLineEdit>(client, "Text2", 4320, 120, 6600, 375);
    Label7 = captionLabel(client, "Label7", 3240, 600, QStringLiteral("CLAUS:"));
    Text3 = control<QLineEdit>(client, "Text3", 4320, 600, 6600, 375);
    // The title and the keys hold what their fields keep, so no end is lost on saving.
    for (QLineEdit* field : {Text2, Text3})
        field->setValidator(new StoredLengthValidator(gapexercise::FieldLength, field));
    Text1 = control<QPlainTextEdit>(client, "Text1", 3240, 1080, 7680, 5400);
    List1 = control<QListWidget>(client, "List1", 11040, 120, 3240, 6360);
    Command4 = control<QPushButton>(client, "Command4", 3240, 6600, 2820, 450);
    Text4 = control<QLineEdit>(client, "Text4", 6120, 6600, 8160, 450);
    Label4 = control<QLabel>(client, "Label4", 6120, 7080, 8160, 300);
    Label2 = control<QLabel>(client, "Label2", 120, 7500, 14160, 600);

    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int k = 0; k < LetterButtons; ++k) {
        Command5[k]->setFont(designFont("Courier New", 14.25, true));
        Command5[k]->setText(QString::fromUtf8(LetterGroups[k]));
    }
    Command1->setText(QStringLiteral("NETEJAR"));
    HScroll1->setOrientation(Qt::Horizontal);
    HScroll1->setRange(FirstNumber, LastNumber);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    HScroll1->setValue(Label1);
    Command2->setFont(designFont("Courier New", 15.75, true));
    Command2->setText(QStringLiteral("..."));
    Text1->setFont(designFont("Courier New", 15.75, false));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    List1->setFont(designFont("MS Sans Serif", 9.75, true));
    setColours(List1, QPalette::Base, QColor(64, 0, 64), QPalette::Text, QColor(192, 192, 192));
    Command4->setText(QStringLiteral("DESAR CANVIS com:"));
    for (QLabel* label : {Label4, Label2})
        label->setTextFormat(Qt::PlainText);
    setColours(Label4, QPalette::Window, Ground, QPalette::WindowText, QColor(192, 192, 192));
    Label2->setText(QStringLiteral("Label2"));
    Label2->setFont(designFont("MS Sans Serif", 18, false));
    setColours(Label2, QPalette::Window, Ground, QPalette::WindowText, QColor(255, 0, 0));

    connect(SSS, &QAction::triggered, this, &grabaci::SSS_Click);
    connect(SSSDDD, &QAction::triggered, this, &grabaci::SSSDDD_Click);
    connect(SSSS, &QAction::triggered, this, &grabaci::SSSS_Click);
    for (int k = 0; k < LetterButtons; ++k)
        connect(Command5[k], &QPushButton::clicked, this, [this, k] { Command5_Click(k); });
    connect(Command1, &QPushButton::clicked, this, &grabaci::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &grabaci::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &grabaci::Command4_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &grabaci::HScroll1_Change);
}

void grabaci::Form_Load() {
    setColours(client, QPalette::Window, Ground, QPalette::WindowText, Qt::white);
    QPalette shape = Shape1->palette();
    shape.setColor(QPalette::WindowText, QColor(250, 250, 250));
    Shape1->setPalette(shape); // fill colour RGB(220, 220, 255) stays unseen: the shape is transparent
    loadNumbered();
}

void grabaci::Form_Unload(bool& cancel) {
    if (!mayLetExerciseGo(closeQuestion())) {
        cancel = true;
        return;
    }
    services.state.clearActivityCode();
}

QString grabaci::closeQuestion() {
    return unsavedQuestion(QStringLiteral("L'exercici"), QStringLiteral("lo"), QStringLiteral("de tancar"));
}

QString grabaci::openQuestion() {
    return unsavedQuestion(QStringLiteral("L'exercici"), QStringLiteral("lo"),
                           QStringLiteral("d'obrir-ne un altre"));
}

std::array<QString, 3> grabaci::shown() const {
    return {Text2->text(), Text3->text(), Text1->toPlainText()};
}

bool grabaci::mayLetExerciseGo(const QString& question) {
    const std::array<QString, 3> now = shown();
    const bool changed = now != kept_ && !allBlank(QStringList(now.begin(), now.end()));
    return mayLetWorkGo(services, this, changed, question, [this] { return saveExercise(); });
}

void grabaci::loadNumbered() {
    const QString path = numberedGapExercisePath(services.programFolder, Label1);
    Label2->setText(path);
    // A file that can't be read shows blank fields; saving over it then fails with "Error".
    showExercise(readGapExercise(path, gapexercise::RecordLength).value_or(GapExercise{}));
    Text4->setText(path);
    editorPath = path;
}

void grabaci::showExercise(const GapExercise& exercise) {
    Text2->setText(titleField(exercise.title));
    Text3->setText(paddedField(exercise.keys));
    Text1->setPlainText(linebreaks::toBox(paddedField(exercise.text)));
    kept_ = shown();
}

void grabaci::HScroll1_Change() {
    if (!mayLetExerciseGo(openQuestion())) {
        // The exercise stays, and so does the bar.
        const QSignalBlocker still(HScroll1);
        HScroll1->setValue(Label1);
        return;
    }
    Label1 = HScroll1->value();
    loadNumbered();
}

void grabaci::Command5_Click(int Index) {
    if (Index < 0 || Index >= LetterButtons) return;
    const QString key = QString::fromUtf8(LetterGroups[Index]);
    const int start = proposalStart(Label3, services.random.Rnd());
    QStringList words;
    for (int i = 0; i < List1->count(); ++i)
        words << List1->item(i)->text();
    const std::optional<int> found = proposeWord(words, key, start);
    if (found) List1->setCurrentRow(*found);
    Command2->setText(found ? words.at(*found) : QString());
    wordProposed = found.has_value();
    Label6 = key;
}

void grabaci::Command2_Click() {
    if (!wordProposed) return;
    Text1->setPlainText(appendedText(Text1->toPlainText(), Command2->text()));
    Text1->moveCursor(QTextCursor::End);
    Text1->ensureCursorVisible();
    // A key that no longer fits in the keys' field is left out, with a beep.
    const QString keys = appendedKeys(Text3->text(), Label6);
    if (cp1252Length(keys) <= gapexercise::FieldLength)
        Text3->setText(keys);
    else
        QApplication::beep();
}

void grabaci::Command1_Click() {
    Text1->clear();
    Text2->clear();
    Text3->clear();
}

std::optional<QString> grabaci::saveTarget(const QString& folder) {
    const QString target = Text4->text();
    if (!editorPath.isEmpty() && target == editorPath) return editorPath;
    const std::optional<QString> named = namedExercisePath(folder, target);
    if (!named) {
        showError(services, this);
        return std::nullopt;
    }
    const QFileInfo info(*named);
    if ((info.exists() || info.isSymLink()) &&
        !services.dialogs.yesNo(this, replaceQuestion(info.fileName()), QStringLiteral("Taudrin")))
        return std::nullopt;
    return named;
}

bool grabaci::saveTo(const QString& path) {
    if (!writeGapExercise(path, Text2->text(), Text3->text(), toCrLf(Text1->toPlainText()))) {
        qCWarning(lcExerciseEditor) << "cannot save" << path;
        showError(services, this);
        return false;
    }
    kept_ = shown();
    return true;
}

void grabaci::Command4_Click() {
    saveExercise();
}

bool grabaci::saveExercise() {
    const std::optional<QString> path =
        saveTarget(folderPath(services.programFolder, QStringLiteral("data")));
    if (!path) return false;
    // The box shows the whole path from now on, so the next save goes to the same file.
    Text4->setText(*path);
    editorPath = *path;
    return saveTo(*path);
}

void grabaci::SaveNumberedExercise() {
    if (Text4->text().isEmpty())
        Text4->setText(QLatin1Char('d') + QString::number(services.random.below(RandomNameRange)));
    const std::optional<QString> path =
        saveTarget(folderPath(services.programFolder, QStringLiteral("data"), QStringLiteral("automatic")));
    if (path) saveTo(*path);
}

void grabaci::SSS_Click() {
    if (!mayLetExerciseGo(openQuestion())) return;
    const std::optional<QString> chosen = chooseFile(
        services, this,
        {folderPath(services.programFolder, QStringLiteral("data"), QStringLiteral("automatic")), {}, {}});
    if (!chosen) return;
    // The box names the file to be shown: Cancel keeps what is there.
    if (!services.dialogs.okCancel(this, *chosen, QStringLiteral("Taudrin"))) return;
    const std::optional<GapExercise> exercise = readGapExercise(*chosen, gapexercise::RecordLength);
    if (!exercise) {
        showError(services, this);
        return;
    }
    Label2->setText(*chosen);
    showExercise(*exercise);
    Label4->setText(*chosen);
    // A save now goes back to the file being edited.
    Text4->setText(*chosen);
    editorPath = *chosen;
}

void grabaci::SSSDDD_Click() {
    const std::optional<QString> chosen =
        chooseFile(services, this,
                   {folderPath(services.programFolder, QStringLiteral("llistes")),
                    QStringLiteral("(*.bak)|*.bak|"),
                    {}});
    if (!chosen) return;
    // ReadWordList gives nothing for a file it can't read; that is told apart here as a failure.
    RecordFile check(*chosen, WordRecordLength);
    if (!check.load()) {
        showError(services, this);
        return;
    }
    List1->clear();
    List1->addItems(ReadWordList(*chosen, WordMaxLength));
    Label3 = static_cast<double>(QFileInfo(*chosen).size()) / WordRecordLength;
}

void grabaci::SSSS_Click() {
    OpenWebSearchPage(services);
}

QString grabaci::replaceQuestion(const QString& fileName) {
    return QStringLiteral("Ja hi ha un exercici amb el nom «%1».\nVols substituir-lo per aquest?")
        .arg(fileName);
}
