// The copy-typing window's other model sources (a saved spelling text, a typed text), its text
// tools, the reading guide, speech, and the operations nothing in the window invokes.
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/cp1252.h"
#include "core/folders.h"
#include "core/fonts.h"
#include "core/log.h"
#include "core/mouseevents.h"
#include "core/numericvalue.h"
#include "core/recordfile.h"
#include "core/scratchtext.h"
#include "core/services.h"
#include "core/speakerpicture.h"
#include "core/tata.h"
#include "core/userfile.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "textwork/copytyping.h"
#include "textwork/copytypingbox.h"
#include "textwork/linebreaks.h"
#include "textwork/sampletextcorpus.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int ToolsTop = 180;
constexpr int ToolHeight = 465;
const QString Quenvik = QStringLiteral("Quenvik");

QPushButton* toolButton(QWidget* parent, const char* name, int left, int width, const QString& caption) {
    auto* button = control<QPushButton>(parent, name, left, ToolsTop, width, ToolHeight);
    button->setText(caption);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QPushButton* fontButton(QWidget* parent, const char* name, int left, const char* family) {
    QPushButton* button = toolButton(parent, name, left, 705, QStringLiteral("Aa"));
    button->setFont(designFont(family, 12, true));
    return button;
}
} // namespace

void form50::makeTools() {
    Command10 = toolButton(client, "Command10", 315, 1155, QStringLiteral("Mayúsc"));
    Command11 = toolButton(client, "Command11", 1530, 1155, QStringLiteral("Minúsc"));
    Command12 = toolButton(client, "Command12", 2745, 1155, QStringLiteral("{acent}"));
    Picture5 = control<PictureBox>(client, "Picture5", 4320, ToolsTop, toTwips(SpeakerPictureWidth),
                                   toTwips(SpeakerPictureHeight));
    Picture5->setBackColor(QColor(224, 224, 224));
    Picture5->setCursor(Qt::PointingHandCursor);
    Command7 = fontButton(client, "Command7", 5355, "Courier New");
    Command4 = fontButton(client, "Command4", 6120, "Arial");
    Command5 = fontButton(client, "Command5", 6885, "Comic Sans MS");
    Command6 = fontButton(client, "Command6", 7650, "Arial");
    Command2 = toolButton(client, "Command2", 8505, 795, QStringLiteral("A+"));
    Command3 = toolButton(client, "Command3", 9360, 795, QStringLiteral("A-"));
    Picture3 = control<PictureBox>(client, "Picture3", 10350, ToolsTop, toTwips(PaletteWidth),
                                   toTwips(PaletteHeight));
    Picture3->setPicture(drawColourChart(QSize(PaletteWidth, PaletteHeight)));
    Picture3->setCursor(Qt::PointingHandCursor);
    File1 = control<PictureFileList>(client, "File1");
    File1->setPattern(QStringLiteral("*.txt"));
    File1->hide();

    connect(aey, &QAction::triggered, this, &form50::aey_Click);
    connect(SSSS, &QAction::triggered, this, &form50::SSSS_Click);
    connect(AQAAA, &QAction::triggered, this, &form50::AQAAA_Click);
    connect(Command10, &QPushButton::clicked, this, &form50::Command10_Click);
    connect(Command11, &QPushButton::clicked, this, &form50::Command11_Click);
    connect(Command12, &QPushButton::clicked, this, &form50::Command12_Click);
    connect(Command2, &QPushButton::clicked, this, &form50::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &form50::Command3_Click);
    connect(Command7, &QPushButton::clicked, this, &form50::Command7_Click);
    connect(Command4, &QPushButton::clicked, this, &form50::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &form50::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &form50::Command6_Click);
    connect(new MouseEvents(Picture3), &MouseEvents::MouseUp, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF pos) { Picture3_MouseUp(pos); });
    connect(new MouseEvents(Picture5), &MouseEvents::Click, this, &form50::Picture5_Click);
    auto* model = new MouseEvents(Label8);
    connect(model, &MouseEvents::MouseDown, this, &form50::Label8_MouseDown);
    connect(model, &MouseEvents::MouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPointF pos) { Label8_MouseMove(pos); });
    connect(model, &MouseEvents::MouseUp, this, &form50::Label8_MouseUp);
    connect(Text1, &CopyTypingBox::MouseMove, this, &form50::Text1_MouseMove);
}

QString form50::spellingFolder() const {
    return folderPath(services.programFolder, QStringLiteral("ortografia"));
}

void form50::aey_Click() {
    QDir().mkpath(spellingFolder());
    const std::optional<QString> chosen =
        chooseFile(services, this, {.initDir = spellingFolder(), .filter = {}, .title = {}, .save = false});
    if (!chosen) return;
    const UserFileRead file = readUserFile(*chosen, copytyping::TextRecordLength);
    if (!file.ok()) qCWarning(lcCore) << "saved text not read" << *chosen;
    setModel(file.ok() ? copytyping::openedText(file.bytes) : QString());
}

void form50::SSSS_Click() {
    const std::optional<QString> typed =
        services.dialogs.input(this, QStringLiteral("ENTRADA DE TEXT"), QString(), QString());
    setModel(typed.value_or(QString()));
}

void form50::changeBothTexts(const QString& text) {
    setCheckText(text);
    if (!modelHidden) Label8->setText(linebreaks::toBox(toCrLf(text)));
}

void form50::Command10_Click() {
    changeBothTexts(copytyping::upperCase(checkText()));
}

void form50::Command11_Click() {
    changeBothTexts(copytyping::lowerCase(checkText()));
}

void form50::Command12_Click() {
    changeBothTexts(copytyping::withoutAccents(checkText()));
}

void form50::setFontSize(double points) {
    QFont f = Text1->font();
    f.setPointSizeF(points);
    Text1->setFont(f);
    Label8->setFont(f);
}

void form50::Command2_Click() {
    setFontSize(copytyping::largerSize(Text1->font().pointSizeF()));
}

void form50::Command3_Click() {
    setFontSize(copytyping::smallerSize(Text1->font().pointSizeF()));
}

void form50::setFontFamily(const QString& family) {
    QFont f = Text1->font();
    f.setFamily(family);
    Text1->setFont(f);
    Label8->setFont(f);
}

void form50::Command7_Click() {
    setFontFamily(QStringLiteral("Courier New"));
}

void form50::Command4_Click() {
    setFontFamily(QStringLiteral("Arial"));
}

void form50::Command5_Click() {
    setFontFamily(QStringLiteral("Comic Sans MS"));
}

void form50::Command6_Click() {
    setFontFamily(QStringLiteral("Zahareña"));
}

void form50::Picture3_MouseUp(QPointF pos) {
    if (const std::optional<QColor> colour = PickPaletteColour(Picture3, pos)) {
        setTextColour(Text1, *colour);
        setTextColour(Label8, *colour);
    }
}

void form50::Label8_MouseDown() {
    Label12 = true;
}

void form50::Label8_MouseUp() {
    Label12 = false;
}

void form50::Label8_MouseMove(QPointF pos) {
    if (!Label12) return;
    // The model's own position, applied as it is in the panel.
    Shape2->move(Shape2->x(), qRound(pos.y()));
    Line1->move(qRound(pos.x()), Line1->y());
}

void form50::Text1_MouseMove(QPointF pos) {
    Shape2->move(Shape2->x(), qRound(pos.y()) + tw(120));
}

void form50::Picture5_Click() {
    SpeakText(services, checkText());
}

void form50::AQAAA_Click() {
    OpenWebSearchPage(services);
}

void form50::mide() {
    Label7->setText(QString::number(checkText().size() + 1));
}

void form50::SetCheckTextMark() {
    setCheckText(QStringLiteral(">"));
}

void form50::LoadExtraText() {
    setCheckText(SampleTextCorpus::extraCatalanText());
}

void form50::RecordTypingResult() {
    if (!services.dialogs.okCancel(this, QStringLiteral("Vols grabar dades al llistat?"), Quenvik)) return;
    if (Picture2->isVisible()) {
        services.dialogs.warning(
            this, QStringLiteral("No pots entrar dades a l' arxiu amb dades false al text"), Quenvik);
        return;
    }
    const int typed = caret();
    if (typed < copytyping::FewestTypedForResult) {
        services.dialogs.warning(
            this, QStringLiteral("Per a entrar les dades el text tindrà almenys 30 carcàcters"),
            QStringLiteral("QUenvik"));
        return;
    }
    const int seconds = int(numericValue(Text4->text()));
    RecordFile log(services.inCurrentFolder(QStringLiteral("cuesti.001")), copytyping::ResultRecordLength);
    if (!log.load()) {
        qCWarning(lcCore) << "typing results not read" << log.path();
        return;
    }
    QByteArray whole;
    for (int r = 1; r <= log.count(); ++r)
        whole += log.bytes(r);
    log.setText(copytyping::resultRecordNumber(whole),
                copytyping::resultRecord(Text5->text(), typed, seconds));
    if (!log.save()) qCWarning(lcCore) << "typing result not saved" << log.path();
}

void form50::ShowTypingBox() {
    Text1->show();
}

void form50::CloseCopyWindow() {
    close();
}

bool form50::OpenNotepad() {
    return openScratchText(services, QStringLiteral("nota.txt"), {});
}

void form50::OpenListedText(int k) {
    File1->setPath(services.currentFolder);
    if (k < 0 || k >= File1->count()) return;
    const UserFileRead file =
        readUserFile(services.inCurrentFolder(File1->item(k)->text()), copytyping::TextRecordLength);
    if (!file.ok()) return;
    setModel(copytyping::openedText(file.bytes));
}

void form50::SaveCheckText() {
    const QString pol = services.inCurrentFolder(QStringLiteral("pol"));
    if (QFileInfo(pol).isDir()) services.currentFolder = pol;
    const std::optional<QString> chosen = chooseFile(
        services, this,
        {.initDir = services.currentFolder, .filter = QStringLiteral("*.*|*.*"), .title = {}, .save = true});
    if (!chosen) return;
    const UserFileRead old = readUserFile(*chosen);
    if (!old.ok() && old.status != UserFileRead::Status::Missing) return;
    if (!saveFileSafely(*chosen, copytyping::savedFile(old.bytes, checkText())))
        qCWarning(lcCore) << "check text not saved" << *chosen;
}
