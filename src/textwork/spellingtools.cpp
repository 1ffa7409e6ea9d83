// The spelling window's texts: the text buttons, saving and opening, the tool strip, the font
// presets and the hand-offs to the office suite.
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/errorbox.h"
#include "core/folders.h"
#include "core/fonts.h"
#include "core/log.h"
#include "core/mouseevents.h"
#include "core/officelayouts.h"
#include "core/recordfile.h"
#include "core/scratchtext.h"
#include "core/services.h"
#include "core/userfile.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/officesuite.h"
#include "textwork/gaptextbox.h"
#include "textwork/gaptypingbinding.h"
#include "textwork/sampletextcorpus.h"
#include "textwork/spelling.h"
#include "textwork/spellingart.h"
#include "textwork/spellingtexts.h"
#include "workshop/picturetools.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int StripLeft = 120;
constexpr int StripTop = 60;
constexpr int PresetsTop = 750;
constexpr int TextButtonsTop = 7755;
constexpr int TextButtonSize = 250;
constexpr int TextButtonStep = 270;
constexpr double PresetSizes[] = {36, 15, 20, 50};

QRect twipsOf(const QRect& pixels) {
    return twRect(toTwips(pixels.x()), toTwips(pixels.y()), toTwips(pixels.width()),
                  toTwips(pixels.height()));
}
} // namespace

void cancions::makeTextTools() {
    asdd = menuBar()->addMenu(QStringLiteral("ARXIUS"));
    asdd->setObjectName(QStringLiteral("asdd"));
    desareee = asdd->addAction(QStringLiteral("Desar"));
    desareee->setObjectName(QStringLiteral("desareee"));
    obroirirr = asdd->addAction(QStringLiteral("Obrir"));
    obroirirr->setObjectName(QStringLiteral("obroirirr"));
    DDDD = menuBarItem(this, "DDDD", QStringLiteral("NAVEGADOR"));
    connect(desareee, &QAction::triggered, this, &cancions::desareee_Click);
    connect(obroirirr, &QAction::triggered, this, &cancions::obroirirr_Click);
    connect(DDDD, &QAction::triggered, this, &cancions::DDDD_Click);

    using namespace spellingart;
    Picture3 = control<PictureBox>(client, "Picture3", StripLeft, StripTop, toTwips(StripWidth),
                                   toTwips(StripHeight));
    Picture3->setPicture(toolStripImage());
    Picture1 = control<PictureBox>(Picture3, "Picture1");
    Picture1->setGeometry(twipsOf(paletteRect()));
    Picture1->setPicture(paletteImage());
    Picture4 = control<PictureBox>(Picture3, "Picture4");
    Picture4->setGeometry(twipsOf(swatchRect()));
    Picture4->setBackColor(Qt::white);
    ClickZone** zones[] = {&Label26, &Label25, &Label23, &Label24, &Label22,
                           &Label21, &Label20, &Label19, &Label18, &Label19eeee};
    const char* const zoneNames[] = {"Label26", "Label25", "Label23", "Label24", "Label22",
                                     "Label21", "Label20", "Label19", "Label18", "Label19eeee"};
    for (int i = 0; i < IconCount; ++i) {
        *zones[i] = control<ClickZone>(Picture3, zoneNames[i]);
        (*zones[i])->setGeometry(twipsOf(iconRect(i)));
    }
    connect(new MouseEvents(Picture1), &MouseEvents::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF pos) {
                Picture1_MouseUp(button, pos);
            });
    connect(Label26, &ClickZone::Click, this, &cancions::Label26_Click);
    connect(Label25, &ClickZone::Click, this, &cancions::Label25_Click);
    connect(Label23, &ClickZone::Click, this, &cancions::Label23_Click);
    connect(Label24, &ClickZone::Click, this, &cancions::Label24_Click);
    connect(Label22, &ClickZone::Click, this, &cancions::Label22_Click);
    connect(Label21, &ClickZone::Click, this, &cancions::Label21_Click);
    connect(Label20, &ClickZone::Click, this, &cancions::Label20_Click);
    connect(Label19, &ClickZone::Click, this, &cancions::Label19_Click);
    connect(Label18, &ClickZone::Click, this, &cancions::Label18_Click);
    connect(Label19eeee, &ClickZone::Click, this, &cancions::Label19eeee_Click);

    // The presets are invisible click areas: a sample of each font lies under them.
    presetSamples =
        control<PictureBox>(client, "presetSamples", StripLeft, PresetsTop, PresetWidth * 4, PresetHeight);
    presetSamples->setPicture(presetSamplesImage());
    for (int k = 0; k < int(Label13.size()); ++k) {
        const QByteArray name = "Label13_" + QByteArray::number(k);
        Label13[k] = control<ClickZone>(client, name.constData(), StripLeft + PresetWidth * k, PresetsTop,
                                        PresetWidth, PresetHeight);
        connect(Label13[k], &ClickZone::Click, this, [this, k] { Label13_Click(k); });
    }

    // Text buttons: 0 to 37 left to right, 38 to 75 right to left in the row below.
    for (int i = 0; i < TextButtonCount; ++i) {
        const int row = i / TextButtonsPerRow;
        const int column = row == 0 ? i : 2 * TextButtonsPerRow - 1 - i;
        const QByteArray name = "Command4_" + QByteArray::number(i);
        QPushButton* button =
            control<QPushButton>(client, name.constData(), StripLeft + TextButtonStep * column,
                                 TextButtonsTop + TextButtonStep * row, TextButtonSize, TextButtonSize);
        button->setText(QStringLiteral(" "));
        button->setFocusPolicy(Qt::TabFocus);
        button->setToolTip(QString::number(i));
        Command4[i] = button;
        // Any button's release loads the text; a left click then counts the button. A click by
        // keyboard counts it without loading.
        auto* mouse = new MouseEvents(button);
        connect(mouse, &MouseEvents::MouseUp, this,
                [this, i](Qt::MouseButton, Qt::KeyboardModifiers, QPointF) { Command4_MouseUp(i); });
        connect(mouse, &MouseEvents::Click, this, [this, i] { Command4_Click(i); });
        connect(button, &QPushButton::clicked, this, [this, i] { Command4_Click(i); });
    }
    Label16 = control<QLabel>(client, "Label16");
    Label16->setText(QStringLiteral("Label16"));
    Label16->hide();
    este = control<QLabel>(client, "este");
    este->setText(QStringLiteral("0"));
    este->hide();

    connect(new MouseEvents(Picture2), &MouseEvents::Click, this, &cancions::Picture2_Click);
    connect(new MouseEvents(Label17), &MouseEvents::Click, this, &cancions::Label17_Click);
}

void cancions::Command4_MouseUp(int Index) {
    if (Index < 0 || Index >= TextButtonCount) return;
    const QString text = SampleTextCorpus::text(Index);
    Text3->setPlainText(text);
    Text1->setPlainText(text);
}

void cancions::Command4_Click(int Index) {
    Text1->setFocus();
    Label16->setText(QString::number(Index));
    este->setText(QStringLiteral("0"));
}

QString cancions::spellingFolder() const {
    return folderPath(services.programFolder, QStringLiteral("ortografia"));
}

void cancions::desareee_Click() {
    QDir().mkpath(spellingFolder());
    CommonDialog2Filter = QStringLiteral("*.txt|*.txt");
    const std::optional<QString> chosen =
        chooseFile(services, this,
                   {.initDir = spellingFolder(), .filter = CommonDialog2Filter, .title = {}, .save = true});
    if (!chosen) return;
    const QString path = spellingtexts::withTxtExtension(*chosen);
    // The dialog asked before replacing the name it was given, not the one with ".txt" added.
    if (path != *chosen && QFileInfo::exists(path) &&
        !services.dialogs.okCancel(
            this, QStringLiteral("%1 ja existeix. Voleu substituir-lo?").arg(QFileInfo(path).fileName()),
            caption()))
        return;
    // What stands past record 1 of the old file is kept; a file that can't be read is left alone.
    const UserFileRead old = readUserFile(path);
    if ((!old.ok() && old.status != UserFileRead::Status::Missing) ||
        !saveFileSafely(path, spellingtexts::savedFile(old.bytes, Text1->toPlainText()))) {
        qCWarning(lcCore) << "spelling text not saved" << path;
        showError(services, this);
    }
}

void cancions::obroirirr_Click() {
    QDir().mkpath(spellingFolder());
    const std::optional<QString> chosen =
        chooseFile(services, this,
                   {.initDir = spellingFolder(), .filter = CommonDialog2Filter, .title = {}, .save = false});
    if (!chosen) return;
    const UserFileRead file = readUserFile(*chosen, spellingtexts::RecordLength);
    if (!file.ok()) {
        qCWarning(lcCore) << "spelling text not read" << *chosen;
        return;
    }
    const QString text = spellingtexts::openedText(file.bytes);
    Text1->setPlainText(text);
    Text3->setPlainText(text);
    Text2->setPlainText(text);
}

void cancions::DDDD_Click() {
    OpenWebSearchPage(services);
}

void cancions::Label13_Click(int Index) {
    if (Index < 0 || Index >= int(Label13.size())) return;
    fontName = QLatin1String(spellingart::PresetFonts[Index]);
    QFont f = Text1->font();
    f.setPointSizeF(PresetSizes[Index]);
    f.setFamily(fontName);
    f.setItalic(false);
    Text1->setFont(f);
}

void cancions::setText1Font(const QString& name) {
    QFont f = Text1->font();
    f.setFamily(name);
    Text1->setFont(f);
    Text1->setFocus();
}

void cancions::Label21_Click() {
    setText1Font(QStringLiteral("Arial"));
}

void cancions::Label22_Click() {
    setText1Font(QStringLiteral("Courier New"));
}

void cancions::Label23_Click() {
    setText1Font(QStringLiteral("Tahoma"));
}

void cancions::Label24_Click() {
    setText1Font(QStringLiteral("Times New Roman"));
}

void cancions::stepText1Size(int delta) {
    QFont f = Text1->font();
    f.setPointSizeF(boundedPointSize(f.pointSizeF(), delta));
    Text1->setFont(f);
    Text1->setFocus();
}

void cancions::Label19_Click() {
    stepText1Size(-SizeStep);
}

void cancions::Label20_Click() {
    stepText1Size(SizeStep);
}

void cancions::Label25_Click() {
    ChooseTextFont(services, this, {Text1, Text3});
}

void cancions::Label26_Click() {
    Text1->setPlainText(QString());
    Text2->setPlainText(QString());
    Text3->setPlainText(QString());
}

void cancions::Label17_Click() {
    engine.Picture2 = false;
    typing->refresh();
}

void cancions::Picture2_Click() {
    Label17_Click();
}

void cancions::Picture1_MouseUp(Qt::MouseButton Button, QPointF pos) {
    if (const std::optional<QColor> colour = PickPaletteColour(Picture1, pos)) {
        if (Button == Qt::LeftButton) setTextColour(Text1, *colour);
        if (Button == Qt::RightButton) setBackColour(Text1, *colour);
    }
    Text1->setFocus();
}

void cancions::Label18_Click() {
    const QString path = services.inScratchFolder(QStringLiteral("temp.txt"));
    if (!saveFileSafely(path, spellingtexts::handOffBytes(Text1->toPlainText())) ||
        !services.launcher.openInOfficeSuite(path))
        showError(services, this);
}

void cancions::Label19eeee_Click() {
    if (!services.office.open(plainTextDocument(Text1->toPlainText()))) showError(services, this);
}

bool cancions::StartNotepad() {
    return openScratchText(services, QStringLiteral("nota.txt"), {});
}
